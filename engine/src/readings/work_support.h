// Whether a partner supports a work number (仕事運): the rule behind the work evaluation.
#pragma once

#include <cstdint>

namespace nuvaro::engine {

// One row of the work-support table: the outer numbers of a partner's 本性 and 心霊運
// that support work row `row`. Lists are filled up with 0 and the fill counts as an entry.
struct WorkSupportRow {
  std::int16_t row;
  std::int8_t honsyouList[13];
  std::int8_t shinreiList[13];
};

inline constexpr int kWorkSupportRowCount = 23;
extern const WorkSupportRow kWorkSupportTable[kWorkSupportRowCount];

// Whether a partner with 本性 sum honsyou and 心霊運 sum shinrei supports the work sum
// work: the partner's outer numbers are looked up in the row of ReadingIndex(work); no
// for an index above 22.
bool WorkSupport(std::uint16_t work, std::uint16_t honsyou, std::uint16_t shinrei);

}  // namespace nuvaro::engine
