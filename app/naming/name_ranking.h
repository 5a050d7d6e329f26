// The finder's scores: each candidate, under the searched surname, read as a face beside
// each chosen person standing in the centre of the board, through the program's one pair
// computation (core::PairRecord handed to the active reading's plug-ins). Names that share
// a stroke pattern share their sums and therefore their percentages, so each pattern is
// read once per person.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "naming/given_name_catalog.h"
#include "naming/name_query.h"
#include "nuvaro_plugin.h"

namespace nuvaro::core {
class EngineBinding;
}

namespace nuvaro::naming {

// A person the candidates are read against: the full name (CP932, "姓 名") and sex.
struct RankPerson {
  std::string fullName;
  bool isMale = true;
};

// Hands a pair record to the active reading's plug-ins and answers the percentage.
using PairPercentageReader = std::function<int(::NuvaroData& record)>;

enum class NameOrder { Minimum, Average, Reading, Strokes };

struct NameRanking {
  std::vector<std::uint32_t> names;  // catalog indices, in the chosen order
  std::size_t personCount = 0;
  // percentages[row * personCount + person], rows in the order of `names`
  std::vector<std::int16_t> percentages;
  std::vector<std::int16_t> minimum;  // per row; 0 without persons
  std::vector<std::int16_t> average;  // per row, rounded half up; 0 without persons

  int Percentage(std::size_t row, std::size_t person) const { return percentages[row * personCount + person]; }
};

// The sex a candidate is read with: the searched sex, else the name's own; a name for
// both sexes searched without a sex is read as the sex opposite the person's.
bool CandidateIsMale(NameSex sex, SexFilter searched, const RankPerson& person);

// Scores the given names (catalog indices) under the surname (CP932) against each
// person, then orders them: by minimum or average, highest first; by reading in kana
// order; or by total strokes, fewest first. Ties keep reading order.
NameRanking RankNames(const GivenNameCatalog& catalog, std::vector<std::uint32_t> names, const std::string& surname,
                      SexFilter searched, const std::vector<RankPerson>& persons, const PairPercentageReader& reader,
                      const core::EngineBinding& engine, NameOrder order);

// Orders an existing ranking again (no pair computation). Reversed turns the order's own
// direction around (lowest percentage, most strokes or the reading backwards first);
// ties still keep reading order, except in the reversed reading order itself.
void SortRanking(const GivenNameCatalog& catalog, NameRanking& ranking, NameOrder order, bool reversed = false);

}  // namespace nuvaro::naming
