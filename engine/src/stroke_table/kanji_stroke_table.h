// The kanji stroke table (kana, marks and kanji with their stroke counts) and the lookup
// of one character's count, by index or by the plain scan the index replaces.
#pragma once

#include <cstddef>
#include <cstdint>

namespace nuvaro::engine {

// One row: a CP932 character and its stroke count. 6 bytes, little-endian count first.
struct StrokeEntry {
  std::int16_t strokeCount;
  std::uint8_t leadByte;
  std::uint8_t trailByte;
  std::uint16_t reserved;  // always 0
};
static_assert(sizeof(StrokeEntry) == 6, "a stroke table row is 6 bytes");
static_assert(offsetof(StrokeEntry, leadByte) == 2 && offsetof(StrokeEntry, trailByte) == 3 &&
                  offsetof(StrokeEntry, reserved) == 4,
              "stroke table row layout");

inline constexpr std::size_t kKanjiStrokeRowCount = 6617;

// Generated from KANJIDIC2 and Unihan by tools/stroke_table (kanji_stroke_table_data.cpp).
extern const StrokeEntry KanjiStrokeTable[kKanjiStrokeRowCount];

// The count stored for a character without a row.
inline constexpr unsigned char kNoStrokeRow = 255;

// The key of a row: lead byte × 256 + trail byte.
constexpr std::uint16_t StrokeKey(unsigned char lead, unsigned char trail) {
  return static_cast<std::uint16_t>(lead << 8 | trail);
}

// The same extension kanji has an NEC-selected code (0xED40-0xEEEC) and an IBM code
// (0xFA5C-0xFC4B) in the same order; the table holds the IBM code. Returns the IBM code
// for an NEC-selected kanji code, any other key unchanged.
std::uint16_t FoldExtensionCode(std::uint16_t key);

// The count of the first row with the key, truncated to one byte, or kNoStrokeRow.
// LinearStrokeLookup scans the rows in order; IndexedStrokeLookup answers the same from
// an index built once. Neither folds the key.
using StrokeLookup = unsigned char (*)(std::uint16_t key);
unsigned char LinearStrokeLookup(std::uint16_t key);
unsigned char IndexedStrokeLookup(std::uint16_t key);

// The walk of GetKanjiStroke over a name of at most nameBytes bytes: a byte at or beyond
// nameBytes counts as the terminating zero, so a field without a terminator is never read
// past. Writes one count per double-byte character (extension codes folded) and a
// terminating zero into counts; returns 1, or 0 when a character has no row or the buffer
// filled up. capacity < 1 writes nothing and returns 0.
int ReadStrokeCounts(const char* name, std::size_t nameBytes, unsigned char* counts, int capacity,
                     StrokeLookup lookup);

}  // namespace nuvaro::engine
