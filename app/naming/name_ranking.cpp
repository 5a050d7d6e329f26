#include "naming/name_ranking.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

#include "core/member.h"
#include "core/pair_reading.h"

namespace nuvaro::naming {
namespace {

// One percentage per (stroke pattern, sex) for one person.
using PatternScores = std::unordered_map<std::uint64_t, int>;

int ScoreOf(const GivenNameCatalog& catalog, std::uint32_t name, const std::string& surname, bool candidateIsMale,
            const RankPerson& person, const PairPercentageReader& reader, const core::EngineBinding& engine,
            PatternScores& scores) {
  const std::uint64_t key = static_cast<std::uint64_t>(catalog.StrokePattern(name)) << 1 | (candidateIsMale ? 1 : 0);
  if (auto found = scores.find(key); found != scores.end()) return found->second;
  const std::string candidate = core::JoinFullName(surname, catalog.Writing(name));
  ::NuvaroData record = core::PairRecord(person.fullName, candidate, candidateIsMale, engine);
  const int percentage = reader(record);
  scores.emplace(key, percentage);
  return percentage;
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
    PatternScores scores;
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

void SortRanking(const GivenNameCatalog& catalog, NameRanking& ranking, NameOrder order) {
  const std::size_t rows = ranking.names.size();
  std::vector<std::size_t> rowOrder(rows);
  std::iota(rowOrder.begin(), rowOrder.end(), 0);
  auto byReading = [&](std::size_t a, std::size_t b) {
    const std::string_view ra = catalog.Reading(ranking.names[a]), rb = catalog.Reading(ranking.names[b]);
    if (ra != rb) return ra < rb;
    return catalog.Writing(ranking.names[a]) < catalog.Writing(ranking.names[b]);
  };
  auto keyed = [&](auto key, bool highestFirst) {
    return [&, key, highestFirst](std::size_t a, std::size_t b) {
      const int ka = key(a), kb = key(b);
      if (ka != kb) return highestFirst ? ka > kb : ka < kb;
      return byReading(a, b);
    };
  };
  switch (order) {
    case NameOrder::Minimum:
      std::sort(rowOrder.begin(), rowOrder.end(), keyed([&](std::size_t r) { return int{ranking.minimum[r]}; }, true));
      break;
    case NameOrder::Average:
      std::sort(rowOrder.begin(), rowOrder.end(), keyed([&](std::size_t r) { return int{ranking.average[r]}; }, true));
      break;
    case NameOrder::Reading:
      std::sort(rowOrder.begin(), rowOrder.end(), byReading);
      break;
    case NameOrder::Strokes:
      std::sort(rowOrder.begin(), rowOrder.end(),
                keyed([&](std::size_t r) { return catalog.TotalStrokes(ranking.names[r]); }, false));
      break;
  }
  NameRanking sorted;
  sorted.personCount = ranking.personCount;
  sorted.names.reserve(rows);
  sorted.percentages.reserve(ranking.percentages.size());
  for (std::size_t row : rowOrder) {
    sorted.names.push_back(ranking.names[row]);
    sorted.minimum.push_back(ranking.minimum[row]);
    sorted.average.push_back(ranking.average[row]);
    for (std::size_t p = 0; p < ranking.personCount; ++p) sorted.percentages.push_back(ranking.percentages[row * ranking.personCount + p]);
  }
  ranking = std::move(sorted);
}

}  // namespace nuvaro::naming
