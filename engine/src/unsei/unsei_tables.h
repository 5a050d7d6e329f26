// The constant data of the day readings: which sum each branch and half select, the six
// reading tables (first and second phrasing of the day, month and year parts) and the
// face kind of a reading index. Texts are CP932.
#pragma once

#include <cstdint>

#include "reading_table/reading_table.h"

namespace nuvaro::unsei {

// The eight sums a day reading can speak of (honsyou never is).
enum class UnseiSum { kSyakai, kChikaku, kNinki, kShigoto, kAijyou, kShinrei, kJinkakuA, kJinkakuB };
inline constexpr int kUnseiSumCount = 8;

enum class UnseiPart { kDay, kMonth, kYear };
inline constexpr int kUnseiPartCount = 3;

enum class Phrasing { kFirst, kSecond };

inline constexpr int kFirstBranch = 1;   // 子
inline constexpr int kLastBranch = 12;   // 亥

// The engine's reading-table form, shared with the other readings.
using engine::kReadingRowCount;
using engine::ReadingRow;
using engine::ReadingTable;
using engine::ReadingText;

// The sum that a branch (1 to 12) selects in the first or the second half.
UnseiSum SelectSum(int branch, bool firstHalf);

// The reading table of a part in a phrasing.
const ReadingTable& UnseiReadingTable(UnseiPart part, Phrasing phrasing);

// The face kind (1 to 5) of the reading index of the sum the day part selects.
int FaceKindOfIndex(int index);

}  // namespace nuvaro::unsei
