#include "unsei/unsei_tables.h"

#include "unsei/unsei_texts_cp932.h"

namespace nuvaro::unsei {
namespace {

using enum UnseiSum;

// Branch 1 (子) to 12 (亥): the sum of the first half and of the second half.
constexpr UnseiSum kSelection[12][2] = {
    {kChikaku, kChikaku},   {kChikaku, kShinrei},   {kShinrei, kJinkakuA},  {kJinkakuA, kJinkakuA},
    {kJinkakuA, kNinki},    {kNinki, kSyakai},      {kSyakai, kSyakai},     {kSyakai, kShigoto},
    {kShigoto, kJinkakuB},  {kJinkakuB, kJinkakuB}, {kJinkakuB, kAijyou},   {kAijyou, kChikaku},
};

// Each table has the usual form: rows 5, 6 and 15 share a text, rows 11 to 14 and 16 to
// 20 are empty.
using engine::BuiltReadingTable;
constexpr BuiltReadingTable Build(const engine::UsualTableTexts& texts) { return engine::BuildReadingTable(texts); }

// The texts are kept in UTF-8 in unsei_texts.txt; unsei_texts_cp932.h holds their CP932
// form. Arguments: title, rows 1 to 5 (5 also 6 and 15), 7 to 10, 21, 22.
using namespace texts;
constexpr BuiltReadingTable kDayFirst = Build({kDayTitle, kDayFirst1, kDayFirst2, kDayFirst3, kDayFirst4, kDayFirst5,
    kDayFirst7, kDayFirst8, kDayFirst9, kDayFirst10, kDayFirst21, kDayFirst22});
constexpr BuiltReadingTable kDaySecond = Build({kDayTitle, kDaySecond1, kDaySecond2, kDaySecond3, kDaySecond4, kDaySecond5,
    kDaySecond7, kDaySecond8, kDaySecond9, kDaySecond10, kDaySecond21, kDaySecond22});
constexpr BuiltReadingTable kMonthFirst = Build({kMonthTitle, kMonthFirst1, kMonthFirst2, kMonthFirst3, kMonthFirst4, kMonthFirst5,
    kMonthFirst7, kMonthFirst8, kMonthFirst9, kMonthFirst10, kMonthFirst21, kMonthFirst22});
constexpr BuiltReadingTable kMonthSecond = Build({kMonthTitle, kMonthSecond1, kMonthSecond2, kMonthSecond3, kMonthSecond4, kMonthSecond5,
    kMonthSecond7, kMonthSecond8, kMonthSecond9, kMonthSecond10, kMonthSecond21, kMonthSecond22});
constexpr BuiltReadingTable kYearFirst = Build({kYearTitle, kYearFirst1, kYearFirst2, kYearFirst3, kYearFirst4, kYearFirst5,
    kYearFirst7, kYearFirst8, kYearFirst9, kYearFirst10, kYearFirst21, kYearFirst22});
constexpr BuiltReadingTable kYearSecond = Build({kYearTitle, kYearSecond1, kYearSecond2, kYearSecond3, kYearSecond4, kYearSecond5,
    kYearSecond7, kYearSecond8, kYearSecond9, kYearSecond10, kYearSecond21, kYearSecond22});

}  // namespace

UnseiSum SelectSum(int branch, bool firstHalf) { return kSelection[branch - kFirstBranch][firstHalf ? 0 : 1]; }

const ReadingTable& UnseiReadingTable(UnseiPart part, Phrasing phrasing) {
  bool first = phrasing == Phrasing::kFirst;
  switch (part) {
    case UnseiPart::kDay:
      return first ? kDayFirst.rows : kDaySecond.rows;
    case UnseiPart::kMonth:
      return first ? kMonthFirst.rows : kMonthSecond.rows;
    case UnseiPart::kYear:
      break;
  }
  return first ? kYearFirst.rows : kYearSecond.rows;
}

int FaceKindOfIndex(int index) {
  switch (index) {
    case 1:
    case 3:
      return 1;
    case 4:
    case 21:
      return 2;
    case 2:
    case 9:
      return 4;
    case 22:
      return 5;
    default:
      return 3;
  }
}

}  // namespace nuvaro::unsei
