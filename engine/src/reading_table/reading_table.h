// The engine's one reading-table form: 23 rows indexed 0 to 22, row 0 the title, rows 1
// to 10 the outer numbers, rows 15, 21 and 22 the special numbers. Every reading of the
// engine (day, compatibility, tactics and work readings) is a row of such a table, read
// at the ReadingIndex of a sum. Texts are CP932.
#pragma once

#include <cstdint>

namespace nuvaro::engine {

// One row of a reading table; index equals the row's position.
struct ReadingRow {
  std::int32_t index;
  const char* text;
};
inline constexpr int kReadingRowCount = 23;
using ReadingTable = ReadingRow[kReadingRowCount];

// A reading table as a value, so that tables can be built as constants.
struct BuiltReadingTable {
  ReadingTable rows;
};

// The texts of a table in its usual form: rows 5, 6 and 15 share one text, rows 11 to
// 14 and 16 to 20 are empty.
struct UsualTableTexts {
  const char* title;
  const char* one;
  const char* two;
  const char* three;
  const char* four;
  const char* fiveSixFifteen;
  const char* seven;
  const char* eight;
  const char* nine;
  const char* ten;
  const char* twentyOne;
  const char* twentyTwo;
};

// Builds a table from the text of every row (a null text becomes the empty text).
constexpr BuiltReadingTable BuildReadingTable(const char* const (&texts)[kReadingRowCount]) {
  BuiltReadingTable table{};
  for (int index = 0; index < kReadingRowCount; ++index) {
    table.rows[index] = {index, texts[index] != nullptr ? texts[index] : ""};
  }
  return table;
}

// Builds a table of the usual form.
constexpr BuiltReadingTable BuildReadingTable(const UsualTableTexts& t) {
  const char* const texts[kReadingRowCount] = {
      t.title, t.one,     t.two,     t.three,   t.four,   t.fiveSixFifteen, t.fiveSixFifteen, t.seven,
      t.eight, t.nine,    t.ten,     nullptr,   nullptr,  nullptr,          nullptr,          t.fiveSixFifteen,
      nullptr, nullptr,   nullptr,   nullptr,   nullptr,  t.twentyOne,      t.twentyTwo};
  return BuildReadingTable(texts);
}

// The text of row index of a table; the empty text for an index outside 0 to 22 (a sum
// that is a multiple of ten from 230 up).
const char* ReadingText(const ReadingTable& table, int index);

}  // namespace nuvaro::engine
