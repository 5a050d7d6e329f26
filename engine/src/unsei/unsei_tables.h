// The constant data of the day readings: which sum each branch and half select, the six
// reading tables (first and second phrasing of the day, month and year parts) and the
// face kind of a reading index. Texts are CP932.
#pragma once

#include <cstdint>

namespace nuvaro::unsei {

// The eight sums a day reading can speak of (honsyou never is).
enum class UnseiSum { kSyakai, kChikaku, kNinki, kShigoto, kAijyou, kShinrei, kJinkakuA, kJinkakuB };
inline constexpr int kUnseiSumCount = 8;

enum class UnseiPart { kDay, kMonth, kYear };
inline constexpr int kUnseiPartCount = 3;

enum class Phrasing { kFirst, kSecond };

inline constexpr int kFirstBranch = 1;   // 子
inline constexpr int kLastBranch = 12;   // 亥

// One row of a reading table; index equals the row's position.
struct ReadingRow {
  std::int32_t index;
  const char* text;
};
inline constexpr int kReadingRowCount = 23;
using ReadingTable = ReadingRow[kReadingRowCount];

// The sum that a branch (1 to 12) selects in the first or the second half.
UnseiSum SelectSum(int branch, bool firstHalf);

// The reading table of a part in a phrasing.
const ReadingTable& UnseiReadingTable(UnseiPart part, Phrasing phrasing);

// The text of row index of a table; the empty text for an index outside 0 to 22.
const char* ReadingText(const ReadingTable& table, int index);

// The face kind (1 to 5) of the reading index of the sum the day part selects.
int FaceKindOfIndex(int index);

}  // namespace nuvaro::unsei
