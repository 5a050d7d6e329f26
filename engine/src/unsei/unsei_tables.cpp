// The texts below are written in UTF-8 and compiled to CP932 (see unsei_charset.cmake).
#include "unsei/unsei_tables.h"

namespace nuvaro::unsei {
namespace {

using enum UnseiSum;

// Branch 1 (子) to 12 (亥): the sum of the first half and of the second half.
constexpr UnseiSum kSelection[12][2] = {
    {kChikaku, kChikaku},   {kChikaku, kShinrei},   {kShinrei, kJinkakuA},  {kJinkakuA, kJinkakuA},
    {kJinkakuA, kNinki},    {kNinki, kSyakai},      {kSyakai, kSyakai},     {kSyakai, kShigoto},
    {kShigoto, kJinkakuB},  {kJinkakuB, kJinkakuB}, {kJinkakuB, kAijyou},   {kAijyou, kChikaku},
};

// The readings of one table: the title (row 0), the outer numbers 1 to 10 (5 and 6
// sharing a text with the special number 15) and the special numbers 21 and 22.
struct TableTexts {
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

constexpr ReadingRow Row(int index, const char* text) { return {index, text}; }

// Rows 11 to 14 and 16 to 20 are empty.
struct BuiltTable {
  ReadingTable rows;
};

constexpr BuiltTable Build(const TableTexts& t) {
  return {{Row(0, t.title),         Row(1, t.one),    Row(2, t.two),   Row(3, t.three),
           Row(4, t.four),          Row(5, t.fiveSixFifteen),          Row(6, t.fiveSixFifteen),
           Row(7, t.seven),         Row(8, t.eight),  Row(9, t.nine),  Row(10, t.ten),
           Row(11, ""),             Row(12, ""),      Row(13, ""),     Row(14, ""),
           Row(15, t.fiveSixFifteen), Row(16, ""),    Row(17, ""),     Row(18, ""),
           Row(19, ""),             Row(20, ""),      Row(21, t.twentyOne), Row(22, t.twentyTwo)}};
}

constexpr BuiltTable kDayFirst = Build({
    "今日の一日は", "目標を明確にして、", "相手にあわせて、", "自分の持つ世界で、", "周囲と仲良くして、",
    "まじめに、", "自分の信念を持って、", "物事をよく考えて、", "よく気配りして、", "明るい気分で、",
    "情熱的に、", "直感を信じて、"});

constexpr BuiltTable kDaySecond = Build({
    "今日の一日は", "理想と希望を持って、", "家事を大切に、", "男らしく、", "隣人を大切にして、", "誠実に、",
    "自分の考えをはっきりさせて、", "自分の内面をよく見つめて、", "よく頭脳を巡らし、",
    "”ま、いっか！”の精神で、", "一つのことだけ考えて、", "運を天に任せて、"});

constexpr BuiltTable kMonthFirst = Build({
    "月運", "理想を忘れなければ、", "状況をよく見れば、", "主体的に思い切り行動すれば、", "人を大切にすれば、",
    "コツコツと努力すれば、", "自分のスタイルにこだわり続けるならば、", "作戦をしっかりと立てれば、",
    "頭を使えば、", "物事にこだわらなければ、", "それしかないと思いこんで、", "変化を恐れなければ、"});

constexpr BuiltTable kMonthSecond = Build({
    "月運", "目的を持って、", "相手にあわせて、", "自分の考えを強く押しだして、", "人とのつながりを切らずに、",
    "まじめであれば、", "”ねばならない”と思えば、", "熟慮すれば、", "気をつかえば、", "大雑把でも、",
    "熱く燃えて、", "極端になっても、"});

constexpr BuiltTable kYearFirst = Build({
    "年運", "主体性を持って、目的に向かって走ることができます。", "周りの環境をうまく利用することができます。",
    "リーダーシップを発揮することができます。", "人との大きなつながりを作ることができます。",
    "物事を着実に積み上げることができます。", "物事を成し遂げることができます。",
    "将来の計画や戦略を準備することができます。", "知的な配慮をしっかりすることができます。",
    "自信を持って進めることができます。", "一生懸命になって進めることができます。",
    "大転換する可能性があります。"});

constexpr BuiltTable kYearSecond = Build({
    "年運", "パートナーを得るならば、目的を実現できます。", "状況の変化に対応することができます。",
    "自分の世界を実現できます。", "人の情を大切にすれば、何かが生まれます。", "誠実であれば、努力が実ります。",
    "ちゃんと形に整えることができます。", "いろいろな考えを深めて、作戦と布石を打つことができます。",
    "多くの叡智を集めて、バランスをとることができます。", "明るく大らかに物事を進めることができます。",
    "一途に物事を進めることができます。", "大きく変わることができます。"});

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

const char* ReadingText(const ReadingTable& table, int index) {
  if (index < 0 || index >= kReadingRowCount) return "";
  return table[index].text;
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
