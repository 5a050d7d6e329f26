// The sum each personal reading aspect is asked with, in aspect-code order: one table for
// every caller of GetPersonalFortune (the command-line tool, the user's own reading).
// The lookups work on any record that names the nine sums as members (SoulRecord,
// SoulSums), so neither record type is needed here.
#pragma once

#include <cstdint>

#include "nuvacalc_personal.h"

namespace nuvaro {

enum class SoulSumName { honsyou, chikaku, syakai, aijyou, shinrei, ninki, shigoto, jinkakuA, jinkakuB };

struct PersonalAspect {
  std::int32_t code;  // 1 to 11
  SoulSumName sum;    // the sum passed as the query's number
  const char* title;  // UTF-8, for the tools' output
};

// In code order, so 5 comes right before 6 and 10 before 11 (each pair is asked together).
inline constexpr PersonalAspect kPersonalAspects[] = {
    {kPersonalAspectHonsyou, SoulSumName::honsyou, "本性"},
    {kPersonalAspectSyakai, SoulSumName::syakai, "社会的性格"},
    {kPersonalAspectShigoto, SoulSumName::shigoto, "仕事運"},
    {kPersonalAspectNinki, SoulSumName::ninki, "人気運"},
    {kPersonalAspectJinkakuA, SoulSumName::jinkakuA, "人格Ａ"},
    {kPersonalAspectJinkakuB, SoulSumName::jinkakuB, "人格Ｂ"},
    {kPersonalAspectKatei, SoulSumName::chikaku, "家庭内性格"},
    {kPersonalAspectAijyou, SoulSumName::aijyou, "愛情運"},
    {kPersonalAspectShinrei, SoulSumName::shinrei, "心霊運"},
    {kPersonalAspectKeizaiA, SoulSumName::jinkakuA, "経済運Ａ"},
    {kPersonalAspectKeizaiB, SoulSumName::jinkakuB, "経済運Ｂ"},
};
static_assert(sizeof kPersonalAspects / sizeof kPersonalAspects[0] == kPersonalAspectCount);

// The aspect of a code; nullptr outside 1 to 11.
constexpr const PersonalAspect* FindPersonalAspect(std::int32_t code) {
  return code >= 1 && code <= kPersonalAspectCount ? &kPersonalAspects[code - 1] : nullptr;
}

template <typename Record>
constexpr std::int16_t SumNamed(const Record& record, SoulSumName name) {
  switch (name) {
    case SoulSumName::honsyou: return record.honsyou;
    case SoulSumName::chikaku: return record.chikaku;
    case SoulSumName::syakai: return record.syakai;
    case SoulSumName::aijyou: return record.aijyou;
    case SoulSumName::shinrei: return record.shinrei;
    case SoulSumName::ninki: return record.ninki;
    case SoulSumName::shigoto: return record.shigoto;
    case SoulSumName::jinkakuA: return record.jinkakuA;
    case SoulSumName::jinkakuB: return record.jinkakuB;
  }
  return 0;
}

// The query number for an aspect: the sum it names, as the 16-bit value the engine reads.
template <typename Record>
constexpr std::uint16_t PersonalAspectNumber(const Record& record, const PersonalAspect& aspect) {
  return static_cast<std::uint16_t>(SumNamed(record, aspect.sum));
}

// True when a reading is only its opening words, ending in "、" (CP932 81 41) with
// nothing after them: for some numbers the engine holds no more than "…の外見は、".
// Such a text is no reading to show; callers leave it out or mark it.
constexpr bool IsOpeningOnlyReading(const char* cp932) {
  if (cp932 == nullptr) return false;
  const char* last = nullptr;  // the last character's first byte
  for (const char* p = cp932; *p != '\0';) {
    last = p;
    const auto lead = static_cast<unsigned char>(*p);
    const bool doubleByte = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
    p += doubleByte && p[1] != '\0' ? 2 : 1;
  }
  return last != nullptr && static_cast<unsigned char>(last[0]) == 0x81 && static_cast<unsigned char>(last[1]) == 0x41;
}

}  // namespace nuvaro
