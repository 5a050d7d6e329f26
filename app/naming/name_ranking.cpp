#include "naming/name_ranking.h"

#include <algorithm>
#include <numeric>

#include "core/member.h"
#include "core/pair_reading.h"

namespace nuvaro::naming {
namespace {

// One percentage per (stroke pattern, sex) for one person; -1 until read.
using PatternScores = std::vector<int>;

int ScoreOf(const GivenNameCatalog& catalog, std::uint32_t name, const std::string& surname, bool candidateIsMale,
            const RankPerson& person, const PairPercentageReader& reader, const core::EngineBinding& engine,
            PatternScores& scores) {
  int& score = scores[catalog.PatternId(name) * 2 + (candidateIsMale ? 1 : 0)];
  if (score >= 0) return score;
  const std::string candidate = core::JoinFullName(surname, catalog.Writing(name));
  ::NuvaroData record = core::PairRecord(person.fullName, candidate, candidateIsMale, engine);
  score = reader(record);
  return score;
}

}  // namespace

bool CandidateIsMale(NameSex sex, SexFilter searched, const RankPerson& person) {
  if (searched != SexFilter::Any) return searched == SexFilter::Male;
  if (sex != NameSex::Both) return sex == NameSex::Male;
  return !person.isMale;
}

NameRanking RankNames(const GivenNameCatalog& catalog, std::vector<std::uint32_t> names, const std::string& surname,
                      SexFilter searched, const std::vector<RankPerson>& persons, const PairPercentageReader& reader,
                      const core::EngineBinding& engine, NameOrder order) {
  NameRanking ranking;
  ranking.names = std::move(names);
  ranking.personCount = persons.size();
  const std::size_t rows = ranking.names.size();
  ranking.percentages.resize(rows * persons.size());
  ranking.minimum.assign(rows, 0);
  ranking.average.assign(rows, 0);
  for (std::size_t p = 0; p < persons.size(); ++p) {
    PatternScores scores(catalog.PatternCount() * 2, -1);
    for (std::size_t row = 0; row < rows; ++row) {
      const std::uint32_t name = ranking.names[row];
      const bool male = CandidateIsMale(catalog.Sex(name), searched, persons[p]);
      ranking.percentages[row * persons.size() + p] =
          static_cast<std::int16_t>(ScoreOf(catalog, name, surname, male, persons[p], reader, engine, scores));
    }
  }
  if (!persons.empty()) {
    const auto count = static_cast<int>(persons.size());
    for (std::size_t row = 0; row < rows; ++row) {
      const auto first = ranking.percentages.begin() + static_cast<std::ptrdiff_t>(row * persons.size());
      const auto last = first + count;
      ranking.minimum[row] = *std::min_element(first, last);
      const int total = std::accumulate(first, last, 0);
      ranking.average[row] = static_cast<std::int16_t>((2 * total + count) / (2 * count));
    }
  }
  SortRanking(catalog, ranking, order);
  return ranking;
}

void SortRanking(const GivenNameCatalog& catalog, NameRanking& ranking, NameOrder order, bool reversed) {
  // The catalog is in kana order, so a name's index breaks ties by reading; the order's
  // own key goes above it (inverted where the highest comes first).
  const std::size_t rows = ranking.names.size();
  std::vector<std::pair<std::uint64_t, std::uint32_t>> keys(rows);
  for (std::size_t row = 0; row < rows; ++row) {
    std::uint64_t primary = 0;
    switch (order) {
      case NameOrder::Minimum:
        primary = static_cast<std::uint64_t>(0xFFFF - std::clamp<int>(ranking.minimum[row], 0, 0xFFFF));
        break;
      case NameOrder::Average:
        primary = static_cast<std::uint64_t>(0xFFFF - std::clamp<int>(ranking.average[row], 0, 0xFFFF));
        break;
      case NameOrder::Reading:
        break;
      case NameOrder::Strokes:
        primary = static_cast<std::uint64_t>(catalog.TotalStrokes(ranking.names[row]));
        break;
    }
    if (reversed) primary = 0xFFFF - primary;
    std::uint64_t tie = ranking.names[row];
    if (reversed && order == NameOrder::Reading) tie = 0xFFFFFFFFu - tie;
    keys[row] = {primary << 32 | tie, static_cast<std::uint32_t>(row)};
  }
  std::sort(keys.begin(), keys.end());
  NameRanking sorted;
  sorted.personCount = ranking.personCount;
  sorted.names.reserve(rows);
  sorted.minimum.reserve(rows);
  sorted.average.reserve(rows);
  sorted.percentages.reserve(ranking.percentages.size());
  for (const auto& [key, row] : keys) {
    sorted.names.push_back(ranking.names[row]);
    sorted.minimum.push_back(ranking.minimum[row]);
    sorted.average.push_back(ranking.average[row]);
    for (std::size_t p = 0; p < ranking.personCount; ++p) {
      sorted.percentages.push_back(ranking.percentages[row * ranking.personCount + p]);
    }
  }
  ranking = std::move(sorted);
}

}  // namespace nuvaro::naming
