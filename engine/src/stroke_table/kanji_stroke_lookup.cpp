#include <array>
#include <cstdint>
#include <limits>

#include "nuvacalc.h"
#include "stroke_table/kanji_stroke_table.h"

namespace nuvaro::engine {
namespace {

constexpr unsigned kTrailBytesPerLead = 188;  // 0x40-0xFC without 0x7F

constexpr bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Position of a trail byte among the 188 trail bytes, or -1.
constexpr int TrailPosition(unsigned trail) {
  if (trail < 0x40 || trail > 0xFC || trail == 0x7F) return -1;
  return static_cast<int>(trail - 0x40 - (trail > 0x7F ? 1 : 0));
}

constexpr unsigned kNecSelectedFirst = 0xED40;
constexpr unsigned kNecSelectedLast = 0xEEEC;
constexpr unsigned kIbmKanjiFirstPosition = 28;  // 0xFA5C is the 29th code of lead 0xFA

// Count of the first row for every key; built once, so later rows with the same key
// (臠) never replace the first.
class StrokeIndex {
 public:
  StrokeIndex() {
    counts_.fill(kNoStrokeRow);
    std::array<bool, 65536> seen{};
    for (const StrokeEntry& row : KanjiStrokeTable) {
      const std::uint16_t key = StrokeKey(row.leadByte, row.trailByte);
      if (seen[key]) continue;
      seen[key] = true;
      counts_[key] = static_cast<unsigned char>(row.strokeCount);
    }
  }
  unsigned char operator[](std::uint16_t key) const { return counts_[key]; }

 private:
  std::array<unsigned char, 65536> counts_{};
};

}  // namespace

std::uint16_t FoldExtensionCode(std::uint16_t key) {
  if (key < kNecSelectedFirst || key > kNecSelectedLast) return key;
  const int trail = TrailPosition(key & 0xFF);
  if (trail < 0) return key;
  const unsigned position = ((key >> 8) - 0xED) * kTrailBytesPerLead + static_cast<unsigned>(trail) +
                            kIbmKanjiFirstPosition;
  const unsigned lead = 0xFA + position / kTrailBytesPerLead;
  unsigned trailByte = 0x40 + position % kTrailBytesPerLead;
  if (trailByte >= 0x7F) ++trailByte;
  return static_cast<std::uint16_t>(lead << 8 | trailByte);
}

unsigned char LinearStrokeLookup(std::uint16_t key) {
  for (const StrokeEntry& row : KanjiStrokeTable) {
    if (StrokeKey(row.leadByte, row.trailByte) == key) return static_cast<unsigned char>(row.strokeCount);
  }
  return kNoStrokeRow;
}

unsigned char IndexedStrokeLookup(std::uint16_t key) {
  static const StrokeIndex index;  // thread-safe one-time construction
  return index[key];
}

int ReadStrokeCounts(const char* name, std::size_t nameBytes, unsigned char* counts, int capacity,
                     StrokeLookup lookup) {
  if (name == nullptr || counts == nullptr || capacity < 1) return 0;
  auto byteAt = [&](std::size_t i) -> unsigned char {
    return i < nameBytes ? static_cast<unsigned char>(name[i]) : 0;
  };
  int stored = 0;
  bool allFound = true;
  // Steps of two bytes; a step whose first byte is not a lead byte yields nothing, so a
  // single-byte character takes the byte after it along.
  for (std::size_t i = 0; byteAt(i) != 0; i += 2) {
    const unsigned char first = byteAt(i);
    const unsigned char second = byteAt(i + 1);
    if (IsLeadByte(first)) {
      const unsigned char count = lookup(FoldExtensionCode(StrokeKey(first, second)));
      if (count == kNoStrokeRow) allFound = false;
      counts[stored++] = count;
      if (stored >= capacity) return 0;  // no room for the terminator: not a count string
    }
    if (second == 0) break;
  }
  counts[stored] = 0;
  return allFound ? 1 : 0;
}

}  // namespace nuvaro::engine

extern "C" int GetKanjiStroke(const char* name, unsigned char* counts, int capacity) {
  return nuvaro::engine::ReadStrokeCounts(name, std::numeric_limits<std::size_t>::max(), counts, capacity,
                                          nuvaro::engine::IndexedStrokeLookup);
}
