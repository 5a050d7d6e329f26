#include "soul/soul_calculation.h"

#include <cstdint>

#include "number_rules/number_rules.h"

namespace nuvaro::engine {
namespace {

// The lookup buffer holds at most 20 counts and its terminator.
constexpr int kCountBufferBytes = kSoulMaxCharacters + 1;

// Steps 1 and 2 for one name part: looks the name up and copies its counts. Returns the
// number of counts, or 0 when the part cannot be read (entries and count then hold
// whatever the failing step wrote, as callers may see it).
int ReadNamePart(const char (&name)[kSoulNameBytes], std::int16_t (&strokes)[kSoulMaxCharacters],
                 std::uint16_t& count, StrokeLookup lookup) {
  if (name[0] == '\0') return 0;
  unsigned char counts[kCountBufferBytes] = {};
  if (ReadStrokeCounts(name, kSoulNameBytes, counts, kCountBufferBytes, lookup) != 1) return 0;
  int c = 0;
  while (c < kSoulMaxCharacters && counts[c] != 0) ++c;
  count = static_cast<std::uint16_t>(c);
  if (c == 0) return 0;
  for (int i = 0; i < c; ++i) strokes[i] = counts[i];
  if (c < kSoulMaxCharacters) strokes[c] = 0;
  return c;
}

// Sum of entries [first, last) as the record keeps it: 16 bits.
std::int16_t Sum(const std::int16_t* entries, int first, int last) {
  std::uint16_t sum = 0;
  for (int i = first; i < last; ++i) sum = static_cast<std::uint16_t>(sum + static_cast<std::uint16_t>(entries[i]));
  return static_cast<std::int16_t>(sum);
}

std::int16_t Add(std::int16_t a, std::int16_t b) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(a) + static_cast<std::uint16_t>(b));
}

// A part with n entries: the first half is [0, ceil(n/2)), the second [floor(n/2), n);
// for odd n the middle entry belongs to both.
struct Halves {
  std::int16_t all, first, second;
};

Halves HalvesOf(const std::int16_t* entries, int n) {
  const int ceilHalf = n % 2 + n / 2;
  const int floorHalf = n - ceilHalf;
  return {Sum(entries, 0, n), Sum(entries, 0, ceilHalf), Sum(entries, floorHalf, n)};
}

}  // namespace

int CalculateSoulWith(SoulRecord* record, StrokeLookup lookup) {
  if (record == nullptr) return 0;
  SoulRecord& r = *record;

  const int seiCharacters = ReadNamePart(r.sei, r.seiStroke, r.seiCount, lookup);
  if (seiCharacters == 0) return 0;
  if (seiCharacters == 1) {  // a one-character surname reads as 1 and its count
    r.seiStroke[1] = r.seiStroke[0];
    r.seiStroke[0] = 1;
    r.seiStroke[2] = 0;
    r.seiCount = 2;
  }
  const int meiCharacters = ReadNamePart(r.mei, r.meiStroke, r.meiCount, lookup);
  if (meiCharacters == 0) return 0;
  if (meiCharacters == 1) {  // a one-character given name reads as its count and 1
    r.meiStroke[1] = 1;
    r.meiStroke[2] = 0;
    r.meiCount = 2;
  }

  const Halves sei = HalvesOf(r.seiStroke, r.seiCount);
  const Halves mei = HalvesOf(r.meiStroke, r.meiCount);
  r.syakai = sei.all;
  r.shigoto = Add(sei.all, mei.first);
  r.ninki = Add(sei.all, mei.second);
  r.chikaku = mei.all;
  r.aijyou = Add(mei.all, sei.second);
  r.shinrei = Add(mei.all, sei.first);
  r.jinkakuA = Add(sei.first, mei.second);
  r.jinkakuB = Add(mei.first, sei.second);
  r.honsyou = Add(r.syakai, r.chikaku);

  const std::int16_t sums[kSoulSumCount] = {r.honsyou, r.syakai,  r.ninki,    r.shigoto, r.chikaku,
                                            r.aijyou,  r.shinrei, r.jinkakuA, r.jinkakuB};
  for (int i = 0; i < kSoulSumCount; ++i) {
    const SoulNumbers numbers = ReduceSoulNumber(static_cast<std::uint16_t>(sums[i]));
    r.inner[i] = static_cast<std::int16_t>(numbers.inner);
    r.outer[i] = static_cast<std::int16_t>(numbers.outer);
    r.is22[i] = sums[i] == 22 ? 1 : 0;
  }
  constexpr int kSyakai = 1, kNinki = 2, kAijyou = 5, kShinrei = 6, kJinkakuA = 7, kJinkakuB = 8;
  r.syakaiShinreiMatch = r.outer[kSyakai] == r.outer[kShinrei] ? 1 : 0;
  r.ninkiAijyouMatch = r.outer[kNinki] == r.outer[kAijyou] ? 1 : 0;
  r.jinkakuMatch = r.outer[kJinkakuA] == r.outer[kJinkakuB] ? 1 : 0;
  return 1;
}

}  // namespace nuvaro::engine

extern "C" int CalculateSoul(SoulRecord* record) {
  return nuvaro::engine::CalculateSoulWith(record, nuvaro::engine::IndexedStrokeLookup);
}
