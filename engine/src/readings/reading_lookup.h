// Reading a table at a sum as a record carries it: the int16 field is the sum's unsigned
// 16-bit value, and the row is the sum's ReadingIndex.
#pragma once

#include <cstdint>

#include "number_rules/number_rules.h"
#include "reading_table/reading_table.h"

namespace nuvaro::engine {

inline std::uint16_t SumOf(std::int16_t field) { return static_cast<std::uint16_t>(field); }

// The text of the table's row for the sum; the empty text when the row lies above 22.
inline const char* ReadAt(const BuiltReadingTable& table, std::int16_t sum) {
  return ReadingText(table.rows, ReadingIndex(SumOf(sum)));
}

}  // namespace nuvaro::engine
