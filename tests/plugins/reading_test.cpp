// NVRGetNuvaroData of the four plug-ins through the test host: which table and entry
// each output comes from, the composed detail text, the percentage.
#include <gtest/gtest.h>

#include <string>

#include "match_couple_texts.h"
#include "match_lover_texts.h"
#include "plugin_test_host.h"
#include "tactic_couple_texts.h"
#include "tactic_lover_texts.h"
#include "test_text.h"

namespace nuvaro::testing {
namespace {

namespace ml = plugins::match_lover_texts;
namespace mc = plugins::match_couple_texts;
namespace tc = plugins::tactic_couple_texts;
namespace tl = plugins::tactic_lover_texts;

std::string Entry(const plugins::ReadingTable& table, int index) { return Utf8(table.entries[index].text); }

std::string Text(const char* cp932) { return cp932 == nullptr ? "<null>" : Utf8(cp932); }

const Sums kUser{21, 13, 18, 16};
const Sums kOther{43, 35, 3, 55};  // indexes: 本性 3, 地格 8, 愛情運 3, 心霊運 10
const Sums kUnnamed{0, 0, 0, 0};

TEST(MatchLoverReading, DrawnPartner) {
  TestPlugin plugin("MatchLover");
  ASSERT_TRUE(plugin.Loaded());
  NuvaroData data = plugin.Read(kUser, kOther);
  EXPECT_EQ(Text(data.balloonText), "頼りがいがあってカッコいい”あなたって”いいなあ！");
  EXPECT_EQ(Text(data.detailText[0]), "はっきり言って、カッコ良く元気なのがいいんだけど！");
  EXPECT_EQ(Text(data.detailText[1]),
            "自分のことがあまり気にならなくて、けっこうやさしいんだけど、本当は自分の言うことを聞いて欲しいんです。   ");
  EXPECT_EQ(data.percentage, 94);
  for (int k = 2; k < NVR_DETAIL_COUNT; ++k) EXPECT_EQ(data.detailText[k], nullptr) << "detail " << k + 1;
}

TEST(MatchLoverReading, EdgeCases) {
  TestPlugin plugin("MatchLover");
  ASSERT_TRUE(plugin.Loaded());
  const struct {
    const char* why;
    Sums self, other;
    std::string balloon;
    int percentage;
  } cases[] = {
      {"clash in row 10", kUser, {11, 2, 10, 3}, "はっきりしなくって暗い”あなただったら”いまいち！", 0},
      {"愛情運 22", kUser, {43, 35, 22, 55}, "私の情念がわからなければ”あなたって”いまいち！", 0},
      {"愛情運 22, unnamed user", kUnnamed, {43, 35, 22, 55}, "私の情念がわからなければ”あなたって”いまいち！", 0},
      {"unnamed user", kUnnamed, kOther, "頼りがいがあってカッコいい”あなたって”いいなあ！", 18},
      {"other person unnamed", kUser, kUnnamed, "恋人の相性診断のヌヴァロ言葉", 0},
      {"equal sums", kOther, kOther, "積極的でない”あなたって”いまいち！", 0},
      {"愛情運 15 uses row 15", {7, 7, 7, 7}, {5, 5, 15, 5}, "まじめそうでない”あなたって”いまいち！", 0},
      {"愛情運 6 uses row 6", {7, 7, 7, 7}, {5, 5, 6, 5}, "誠実そうな”あなたって”いいなあ！", 0},
  };
  for (const auto& c : cases) {
    NuvaroData data = plugin.Read(c.self, c.other);
    EXPECT_EQ(Text(data.balloonText), c.balloon) << c.why;
    EXPECT_EQ(data.percentage, c.percentage) << c.why;
  }

  NuvaroData unnamed = plugin.Read(kUser, kUnnamed);
  EXPECT_EQ(Text(unnamed.detailText[0]), "相手の愛情運から自分に対する相手の思い・願いがわかる！（相手の愛情運）");
  EXPECT_EQ(Text(unnamed.detailText[1]), "どんな人か（心霊運の外数）どんな人か（地格の外数）どんな人か（本性の外数）");
}

// Sums that are multiples of ten from 110 up read empty rows; beyond 220 the index lies
// outside the tables and reads the same way.
TEST(Readings, HighMultiplesOfTenGiveEmptyTextsAndTheInnerRowDecidesThePercentage) {
  const Sums rich{10, 1, 1, 1};
  const Sums clashing{10, 13, 1, 1};
  for (const Sums& other : {Sums{110, 120, 130, 140}, Sums{160, 170, 180, 190}, Sums{200, 200, 200, 200},
                            Sums{230, 230, 230, 230}, Sums{1000, 6550, 1100, 2000}}) {
    for (const std::string& name : kPluginNames) {
      TestPlugin plugin(name);
      ASSERT_TRUE(plugin.Loaded());
      const bool tactics = name.rfind("Tactic", 0) == 0;
      NuvaroData data = plugin.Read(rich, other);
      std::string where = name + " other 本性 " + std::to_string(other.honsyou);
      EXPECT_EQ(Text(data.balloonText), "") << where;
      for (int k = 0; k < (tactics ? 5 : 2); ++k) EXPECT_EQ(Text(data.detailText[k]), "") << where << " detail " << k + 1;
      // B1 = A7 = 10 (score 1, line 5); from 110 up the other person's inner row 10 lets it pass.
      EXPECT_EQ(data.percentage, tactics ? 79 : 21) << where;
      // Outer number 3 in the user's 地格 clashes with that row.
      EXPECT_EQ(plugin.Read(clashing, other).percentage, tactics ? 100 : 0) << where;
    }
  }
}

TEST(Readings, DetailTwoBufferIsReusedAndTheBalloonIsNot) {
  for (const std::string& name : kPluginNames) {
    TestPlugin plugin(name);
    ASSERT_TRUE(plugin.Loaded());
    NuvaroData first = plugin.Read(kUser, kOther);
    const std::string firstBalloon = Text(first.balloonText);
    const std::string firstDetail = Text(first.detailText[1]);
    NuvaroData second = plugin.Read(kUser, {1, 2, 4, 9});
    ASSERT_NE(Text(second.detailText[1]), firstDetail) << name;
    EXPECT_EQ(first.detailText[1], second.detailText[1]) << name << ": one buffer per plug-in";
    EXPECT_EQ(Text(first.detailText[1]), Text(second.detailText[1])) << name;
    EXPECT_EQ(Text(first.balloonText), firstBalloon) << name << ": balloon texts are constant";
  }
}

TEST(Readings, DetailsTheReadingDoesNotUseStayAsTheCallerLeftThem) {
  static const char kCallerText[] = "caller";
  for (const std::string& name : kPluginNames) {
    TestPlugin plugin(name);
    ASSERT_TRUE(plugin.Loaded());
    const int used = name.rfind("Tactic", 0) == 0 ? 5 : 2;
    NuvaroData data{};
    data.self = ToSoulSums(kUser);
    data.other = ToSoulSums(kOther);
    for (const char*& detail : data.detailText) detail = kCallerText;
    ASSERT_EQ(plugin.getNuvaroData(&data), 1);
    for (int k = 0; k < NVR_DETAIL_COUNT; ++k) {
      if (k < used) {
        EXPECT_NE(data.detailText[k], kCallerText) << name << " detail " << k + 1;
      } else {
        EXPECT_EQ(data.detailText[k], kCallerText) << name << " detail " << k + 1;
      }
    }
  }
}

TEST(MatchCoupleReading, TellingRowsAndItsOwnTables) {
  TestPlugin plugin("MatchCouple");
  ASSERT_TRUE(plugin.Loaded());
  // 愛情運 index 1, user unnamed: drawn (through the 0 fill).
  NuvaroData drawn = plugin.Read(kUnnamed, {1, 1, 1, 1});
  EXPECT_EQ(Text(drawn.balloonText), "あなたの目的に向かって頑張ってる姿が好き！");
  EXPECT_EQ(Text(drawn.detailText[0]), Entry(mc::wish, 1));
  EXPECT_EQ(Text(drawn.detailText[1]),
            "自分の理想と目的を追いかけながら、自分はパートナーになって欲しい性格です。そして、人参をぶら下げると飛んで"
            "いく目的指向型で、相談相手を必ず必要とし、そうしないとパワーのでない人なんだけどなあ！");
  NuvaroData notDrawn = plugin.Read({1, 1, 1, 1}, {11, 11, 11, 11});  // the same pattern
  EXPECT_EQ(Text(notDrawn.balloonText), "あなたの目的のない生き方が嫌い！");
  EXPECT_EQ(Text(plugin.Read(kUser, {43, 35, 22, 55}).balloonText), "私だけ愛し続けないと恨んでやる！");

  // 本性 15 has its own ending; 5 and 6 share one.
  EXPECT_EQ(Text(plugin.Read(kUser, {15, 1, 1, 1}).detailText[1]),
            Entry(mc::portraitFirst, 1) + Entry(mc::portraitSecond, 1) + "まじめがとりえで、コツコツ着実にやる人なんだけどなあ！");
  for (int honsyou : {5, 6}) {
    EXPECT_EQ(Text(plugin.Read(kUser, {honsyou, 1, 1, 1}).detailText[1]),
              Entry(mc::portraitFirst, 1) + Entry(mc::portraitSecond, 1) +
                  "まじめさがとりえで、コツコツ着実にやる人なんだけどなあ！");
  }
  NuvaroData usual = plugin.Read(kUser, kOther);
  EXPECT_EQ(Text(usual.balloonText), Entry(mc::balloonGood, 3));
  EXPECT_EQ(usual.percentage, 94);
}

struct TacticExpectations {
  std::string name;
  std::string maleBalloon3, femaleBalloon3;
  std::string goodFeeling1, poorFeeling1, poorFeeling22;
  std::string weakPoint1, approach1, winning1;
  std::string portraitEnd10;
};
void PrintTo(const TacticExpectations& want, std::ostream* out) { *out << want.name; }

class TacticReading : public ::testing::TestWithParam<TacticExpectations> {};

TEST_P(TacticReading, FollowsTheTablesOfItsRole) {
  const TacticExpectations& want = GetParam();
  TestPlugin plugin(want.name);
  ASSERT_TRUE(plugin.Loaded());
  const plugins::ReadingTable& feelingGood = want.name == "TacticCouple" ? tc::feelingGood : tl::feelingGood;
  const plugins::ReadingTable& weakPoint = want.name == "TacticCouple" ? tc::weakPoint : tl::weakPoint;
  const plugins::ReadingTable& approach = want.name == "TacticCouple" ? tc::approach : tl::approach;
  const plugins::ReadingTable& winning = want.name == "TacticCouple" ? tc::winning : tl::winning;

  NuvaroData male = plugin.Read(kUser, kOther, true);
  EXPECT_EQ(Text(male.balloonText), want.maleBalloon3);
  EXPECT_EQ(Text(male.detailText[0]), Entry(feelingGood, 3));
  EXPECT_EQ(Text(male.detailText[2]), Entry(weakPoint, 10));
  EXPECT_EQ(Text(male.detailText[3]), Entry(approach, 10));
  EXPECT_EQ(Text(male.detailText[4]), Entry(winning, 3));
  EXPECT_EQ(male.percentage, 6);

  NuvaroData female = plugin.Read(kUser, kOther, false);
  EXPECT_EQ(Text(female.balloonText), want.femaleBalloon3);
  for (int k = 0; k < NVR_DETAIL_COUNT; ++k) EXPECT_EQ(Text(female.detailText[k]), Text(male.detailText[k]));
  EXPECT_EQ(female.percentage, 6);

  // Any nonzero otherIsMale is male.
  NuvaroData data{};
  data.self = ToSoulSums(kUser);
  data.other = ToSoulSums(kOther);
  data.otherIsMale = -7;
  plugin.getNuvaroData(&data);
  EXPECT_EQ(Text(data.balloonText), want.maleBalloon3);

  NuvaroData firstRows = plugin.Read(kUnnamed, {1, 1, 1, 1});
  EXPECT_EQ(Text(firstRows.detailText[0]), want.goodFeeling1);
  EXPECT_EQ(Text(firstRows.detailText[2]), want.weakPoint1);
  EXPECT_EQ(Text(firstRows.detailText[3]), want.approach1);
  EXPECT_EQ(Text(firstRows.detailText[4]), want.winning1);
  EXPECT_EQ(Text(plugin.Read({1, 1, 1, 1}, {11, 11, 11, 11}).detailText[0]), want.poorFeeling1);

  NuvaroData twentyTwo = plugin.Read(kUser, {43, 35, 22, 55});
  EXPECT_EQ(Text(twentyTwo.detailText[0]), want.poorFeeling22);
  EXPECT_EQ(twentyTwo.percentage, 100);
  EXPECT_EQ(plugin.Read(kOther, kOther).percentage, 100);
  EXPECT_EQ(Text(plugin.Read(kOther, kOther).detailText[0]), Entry(want.name == "TacticCouple" ? tc::feelingPoor : tl::feelingPoor, 3));

  NuvaroData unnamedUser = plugin.Read(kUnnamed, kOther);
  EXPECT_EQ(Text(unnamedUser.detailText[0]), Entry(feelingGood, 3));
  EXPECT_EQ(unnamedUser.percentage, 82);

  // 本性 10 ends the portrait with the plug-in's own variant.
  std::string portrait = Text(plugin.Read(kUser, {10, 1, 1, 1}).detailText[1]);
  ASSERT_GE(portrait.size(), want.portraitEnd10.size());
  EXPECT_EQ(portrait.substr(portrait.size() - want.portraitEnd10.size()), want.portraitEnd10);
  EXPECT_EQ(portrait.rfind("自分の理想と目的を追いかけながら、プライベートな時は", 0), 0u) << portrait;
}

INSTANTIATE_TEST_SUITE_P(
    BothTactics, TacticReading,
    ::testing::Values(
        TacticExpectations{"TacticCouple", "ちょっと小粋なところがあれば、愛をもてるけど、生意気なのはご免だ！",
                           "男らしくって粋な人がいいんだけど！うるさい人は嫌だわ！", "目標を持つあなたって好き！",
                           "夫婦ってもっと協力するものじゃあないの？", "私を寂しくさせたらただじゃあおかないんだから！",
                           "自分の目的、目標にだけ忠実な目的追求人間",
                           "馬ににんじん！目先に何かぶらさげればすぐに走り出します！",
                           "とにかく話を聞いてやること、嫌がらないで相手の得意な話をしゃべらせれば、もうこっちのものです！",
                           "そして、 ”ま、いいか！” という大らかで楽天的ですが、おおざっぱで無責任になりやすい人です。"},
        TacticExpectations{"TacticLover", "カッコよくって、私について来い的な人に愛を感じちゃうけど、私には命令しないで！",
                           "カッコよくって、私について来い的な人に愛を感じちゃうけど、私には命令しないで！",
                           "相談相手になってくれてうれしい！", "ちっとも相談にのってくれないんだから！",
                           "私はまだ愛を感じていません。もし愛がなければ一生恨み通してやる！",
                           "まわりと関係なく、自分で勝手に家庭に対するイメージを作るロマン派人間。",
                           "思っている以上の情報と材料を用意してあげることにより、イメージを作りかえるようにすべし。",
                           "人生の夢、希望、理想を具体的に提示しながら、主体的によき相談相手になってあげること。",
                           "そして、”ま、いいか！”という大らかで楽天的ですが、おおざっぱで無責任になりやすい人です。"}),
    [](const auto& param) { return param.param.name; });

TEST(TacticLoverReading, TwentyTwoRowsAndFemaleEndings) {
  TestPlugin plugin("TacticLover");
  ASSERT_TRUE(plugin.Loaded());
  NuvaroData data = plugin.Read(kUser, {43, 35, 22, 22}, false);
  EXPECT_EQ(Text(data.balloonText), "振り向かないで私だけずーと見続けなさい。そうしたら愛を感じちゃうわ！");
  EXPECT_EQ(Text(data.detailText[2]), "コロコロ変わって正体がつかめず、いつどうなるかわからないお天気人間。");
  EXPECT_EQ(Text(data.detailText[3]), "晴れの時に接して、雨や曇りの時は関わることをさけるべし。");
  EXPECT_EQ(Text(plugin.Read(kUser, {1, 1, 1, 1}, true).balloonText),
            "話を聞いて相談相手になってくれると愛を感じちゃうのになあ！");
}

}  // namespace
}  // namespace nuvaro::testing
