#include "personal/personal_reading_table.h"

#include <array>
#include <cstddef>

#include "personal/personal_texts_cp932.h"

namespace nuvaro::personal {
namespace {

// The readings of one number by aspect code; null where the number has no row.
struct NumberTexts {
  std::int32_t number;
  const char* byAspect[12];  // index 0 unused
};

// a followed by b, one terminator: a reading made of an opening and a shared body.
template <std::size_t A, std::size_t B>
constexpr std::array<char, A + B - 1> Join(const char (&a)[A], const char (&b)[B]) {
  std::array<char, A + B - 1> out{};
  for (std::size_t i = 0; i + 1 < A; ++i) out[i] = a[i];
  for (std::size_t i = 0; i < B; ++i) out[A - 1 + i] = b[i];
  return out;
}

// Most numbers tell one character in aspects 1, 2 and 7; only the opening differs.
template <const auto& Body>
struct SharedBody {
  static constexpr auto hidden = Join(texts::kOpenHidden, Body);
  static constexpr auto social = Join(texts::kOpenSocial, Body);
  static constexpr auto home = Join(texts::kOpenHome, Body);
};

constexpr char kEmpty[] = "";

// Arguments by aspect code 1 to 11.
constexpr NumberTexts Texts(std::int32_t number, const char* hidden, const char* social, const char* work,
                            const char* popularity, const char* lookYoung, const char* lookMature,
                            const char* home, const char* love, const char* spirit, const char* moneyIn,
                            const char* moneyOut) {
  return {number,
          {nullptr, hidden, social, work, popularity, lookYoung, lookMature, home, love, spirit, moneyIn,
           moneyOut}};
}

// 1 to 40: all eleven aspects.
#define NUVARO_SHARED(n) \
  SharedBody<texts::kP##n##Body>::hidden.data(), SharedBody<texts::kP##n##Body>::social.data()
#define NUVARO_HOME(n) SharedBody<texts::kP##n##Body>::home.data()
#define NUVARO_ELEVEN(n)                                                                                     \
  Texts(n, NUVARO_SHARED(n), texts::kP##n##Work, texts::kP##n##Popularity, texts::kP##n##LookYoung,         \
        texts::kP##n##LookMature, NUVARO_HOME(n), texts::kP##n##Love, texts::kP##n##Spirit,                  \
        texts::kP##n##MoneyIn, texts::kP##n##MoneyOut)
// 41 to 50: no money readings; the two looks hold only their opening words.
#define NUVARO_NINE(n)                                                                                       \
  Texts(n, NUVARO_SHARED(n), texts::kP##n##Work, texts::kP##n##Popularity, texts::kOpenLookYoung,           \
        texts::kOpenLookMature, NUVARO_HOME(n), texts::kP##n##Love, texts::kP##n##Spirit, nullptr, nullptr)
// 51 to 60: as 41 to 50, and work, popularity, love and spirit are empty.
#define NUVARO_BARE(n)                                                                                       \
  Texts(n, NUVARO_SHARED(n), kEmpty, kEmpty, texts::kOpenLookYoung, texts::kOpenLookMature, NUVARO_HOME(n), \
        kEmpty, kEmpty, nullptr, nullptr)

constexpr NumberTexts kNumbers[] = {
    NUVARO_ELEVEN(1),  NUVARO_ELEVEN(2),  NUVARO_ELEVEN(3),  NUVARO_ELEVEN(4),  NUVARO_ELEVEN(5),
    NUVARO_ELEVEN(6),  NUVARO_ELEVEN(7),  NUVARO_ELEVEN(8),  NUVARO_ELEVEN(9),  NUVARO_ELEVEN(10),
    NUVARO_ELEVEN(11), NUVARO_ELEVEN(12), NUVARO_ELEVEN(13), NUVARO_ELEVEN(14), NUVARO_ELEVEN(15),
    NUVARO_ELEVEN(16), NUVARO_ELEVEN(17), NUVARO_ELEVEN(18), NUVARO_ELEVEN(19), NUVARO_ELEVEN(20),
    NUVARO_ELEVEN(21),
    // 22 speaks of itself in aspects 1, 2, 7 and 8, so those texts are its own.
    Texts(22, texts::kP22Hidden, texts::kP22Social, texts::kP22Work, texts::kP22Popularity,
          texts::kP22LookYoung, texts::kP22LookMature, texts::kP22Home, texts::kP22Love, texts::kP22Spirit,
          texts::kP22MoneyIn, texts::kP22MoneyOut),
    NUVARO_ELEVEN(23), NUVARO_ELEVEN(24), NUVARO_ELEVEN(25), NUVARO_ELEVEN(26), NUVARO_ELEVEN(27),
    NUVARO_ELEVEN(28), NUVARO_ELEVEN(29), NUVARO_ELEVEN(30), NUVARO_ELEVEN(31), NUVARO_ELEVEN(32),
    NUVARO_ELEVEN(33), NUVARO_ELEVEN(34), NUVARO_ELEVEN(35), NUVARO_ELEVEN(36), NUVARO_ELEVEN(37),
    NUVARO_ELEVEN(38), NUVARO_ELEVEN(39), NUVARO_ELEVEN(40),
    NUVARO_NINE(41),   NUVARO_NINE(42),   NUVARO_NINE(43),   NUVARO_NINE(44),   NUVARO_NINE(45),
    NUVARO_NINE(46),   NUVARO_NINE(47),   NUVARO_NINE(48),   NUVARO_NINE(49),   NUVARO_NINE(50),
    NUVARO_BARE(51),   NUVARO_BARE(52),   NUVARO_BARE(53),   NUVARO_BARE(54),   NUVARO_BARE(55),
    NUVARO_BARE(56),   NUVARO_BARE(57),   NUVARO_BARE(58),   NUVARO_BARE(59),   NUVARO_BARE(60),
};

#undef NUVARO_SHARED
#undef NUVARO_HOME
#undef NUVARO_ELEVEN
#undef NUVARO_NINE
#undef NUVARO_BARE

// The health notes: each number's caution and the aspects that carry it.
struct HealthNote {
  std::int32_t number;
  const char* caution;
  std::int32_t aspects[3];  // 0 ends the list
};

// Each number's weak point follows its character: the driven ones strain head and
// blood, the worriers their stomach and nerves, the easy-going their liver.
using namespace texts;
constexpr HealthNote kHealthNotes[] = {
    {1, kCautionLimbs, {5, 6}},           {2, kCautionStomach, {2}},
    {3, kCautionCirculation, {1, 2}},     {4, kCautionCirculation, {1, 2}},
    {5, kCautionOrgans, {1, 2}},          {6, kCautionKidneys, {1, 2}},
    {7, kCautionHead, {1, 2}},            {8, kCautionStomach, {1, 2}},
    {9, kCautionNerves, {1, 2}},          {10, kCautionLiver, {1, 2, 5}},
    {11, kCautionHead, {1, 2}},           {12, kCautionStomach, {1, 2}},
    {13, kCautionBloodPressure, {1, 2}},  {14, kCautionBreathing, {1, 2}},
    {15, kCautionOrgans, {1}},            {16, kCautionBloodPressure, {1, 2}},
    {17, kCautionHead, {1, 2, 5}},        {18, kCautionStomach, {1, 2}},
    {19, kCautionNerves, {1, 2, 6}},      {20, kCautionOrgans, {1, 2}},
    {21, kCautionCirculation, {1, 2}},    {22, kCautionNerves, {1, 2, 5}},
    {23, kCautionBloodPressure, {1, 2}},  {24, kCautionKidneys, {1}},
    {25, kCautionLiver, {1, 2}},          {26, kCautionStomach, {1, 2}},
    {27, kCautionEyes, {1, 2}},           {28, kCautionSleep, {1, 2, 6}},
    {29, kCautionNerves, {1, 2}},         {30, kCautionLiver, {1, 2}},
    {31, kCautionCirculation, {1}},       {32, kCautionStomach, {2}},
    {33, kCautionBloodPressure, {1, 2}},  {34, kCautionBack, {1, 2}},
    {35, kCautionEyes, {1, 5}},           {36, kCautionOrgans, {1, 2}},
    {37, kCautionLimbs, {1}},             {38, kCautionSleep, {2}},
    {39, kCautionHead, {1}},              {40, kCautionLiver, {1, 2, 6}},
    {41, kCautionLimbs, {1}},             {44, kCautionStomach, {1, 2}},
    {49, kCautionNerves, {1}},            {53, kCautionStomach, {1}},
};

// Rows whose note is null rather than empty.
struct RowKey {
  std::int32_t number;
  std::int32_t aspect;
};
constexpr RowKey kRowsWithoutNote[] = {{1, 3}, {2, 1}, {8, 9}};

constexpr const char* NoteOf(std::int32_t number, std::int32_t aspect) {
  for (const RowKey& key : kRowsWithoutNote) {
    if (key.number == number && key.aspect == aspect) return nullptr;
  }
  for (const HealthNote& note : kHealthNotes) {
    if (note.number != number) continue;
    for (std::int32_t noted : note.aspects) {
      if (noted == aspect) return note.caution;
    }
  }
  return kEmpty;
}

constexpr std::array<PersonalReadingRow, kPersonalReadingRowCount> BuildTable() {
  std::array<PersonalReadingRow, kPersonalReadingRowCount> rows{};
  std::size_t next = 0;
  for (const NumberTexts& texts : kNumbers) {
    for (std::int32_t aspect : kAspectOrder) {
      const char* text = texts.byAspect[aspect];
      if (text == nullptr) continue;
      if (next == rows.size()) throw "more rows than the table holds";
      rows[next++] = {texts.number, aspect, text, NoteOf(texts.number, aspect)};
    }
  }
  if (next != rows.size()) throw "fewer rows than the table holds";
  return rows;
}

constexpr std::array<PersonalReadingRow, kPersonalReadingRowCount> kTable = BuildTable();

}  // namespace

std::span<const PersonalReadingRow> PersonalReadingTable() { return kTable; }

const PersonalReadingRow* FindPersonalReading(std::uint16_t number, std::int32_t aspect) {
  for (const PersonalReadingRow& row : kTable) {
    if (row.number == number && row.aspect == aspect) return &row;
  }
  return nullptr;
}

}  // namespace nuvaro::personal
