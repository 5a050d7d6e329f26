// The personal readings: 620 constant rows (number, aspect, text, note), grouped by
// number 1 to 60 in ascending order, and the lookup of one (number, aspect). Texts are
// CP932.
#pragma once

#include <cstdint>
#include <span>

namespace nuvaro::personal {

struct PersonalReadingRow {
  std::int32_t number;
  std::int32_t aspect;
  const char* text;
  const char* note;  // empty for most rows, null for three
};

inline constexpr int kPersonalReadingRowCount = 620;
inline constexpr int kFirstNumber = 1;
inline constexpr int kLastNumber = 60;
inline constexpr int kLastNumberWithMoney = 40;  // aspects 10 and 11 stop here

// The aspects of one number in the order its rows stand in the table.
inline constexpr std::int32_t kAspectOrder[] = {1, 2, 3, 4, 7, 8, 9, 5, 6, 10, 11};
inline constexpr int kAspectsUpToForty = 11;
inline constexpr int kAspectsAfterForty = 9;

// All rows, in table order.
std::span<const PersonalReadingRow> PersonalReadingTable();

// The first row whose number and aspect match, scanning from the top; null when none.
const PersonalReadingRow* FindPersonalReading(std::uint16_t number, std::int32_t aspect);

}  // namespace nuvaro::personal
