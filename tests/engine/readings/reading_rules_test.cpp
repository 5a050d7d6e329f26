// The liking test, the affinity score and the work-support rule, and the five exports
// that apply them: which table and row every output comes from.
#include <gtest/gtest.h>

#include <string>

#include "nuvacalc_readings.h"
#include "number_rules/number_rules.h"
#include "readings/liking.h"
#include "readings/reading_tables.h"
#include "readings/work_support.h"
#include "test_text.h"

namespace {

using namespace nuvaro::engine;
using nuvaro::testing::Sjis;

// (honsyou, chikaku, aijyou, shinrei)
FourSums Sums(int h, int c, int a, int s) {
  auto u = [](int v) { return static_cast<std::uint16_t>(v); };
  return {u(h), u(c), u(a), u(s)};
}

const char* Row(const BuiltReadingTable& table, int row) { return table.rows[row].text; }

int Index(int sum) { return nuvaro::ReadingIndex(static_cast<std::uint16_t>(sum)); }

TEST(LikingTest, LikedAndScoredBothWays) {
  const struct {
    const char* why;
    FourSums self, partner;
    bool partnerLikesSelf, selfLikesPartner;
    int percentage;
  } cases[] = {
      {"same outer numbers", Sums(21, 13, 18, 16), Sums(11, 23, 28, 7), false, false, 0},
      {"partner's aijyou 22", Sums(21, 13, 18, 16), Sums(12, 14, 22, 20), false, false, 0},
      {"row 2 excludes chikaku outer 3", Sums(21, 13, 18, 16), Sums(1, 1, 12, 1), false, false, 0},
      {"row 21 excludes nothing, lists 3", Sums(1, 13, 1, 1), Sums(2, 2, 21, 2), true, false, 0},
      {"liked one way only", Sums(21, 13, 18, 16), Sums(12, 22, 13, 20), true, false, 0},
      {"scores 10 and 50", Sums(17, 28, 15, 25), Sums(9, 14, 25, 26), true, true, 60},
      {"scores 100 and 160, capped", Sums(18, 38, 18, 11), Sums(8, 28, 8, 14), true, true, 100},
      // A sum of 0 has index 0, which the lists' 0 fill holds; the exclusion list stops
      // at its first 0, so an outer number 0 is never excluded.
      {"chikaku 0 in list A of row 3", Sums(2, 0, 1, 2), Sums(2, 2, 13, 2), true, false, 0},
      {"all-zero row 11 holds index 0", Sums(0, 0, 0, 0), Sums(1, 1, 110, 1), true, false, 0},
      {"index above 22: all-zero row", Sums(0, 0, 0, 0), Sums(1, 1, 230, 1), true, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(IsLiked(c.self, c.partner), c.partnerLikesSelf);
    EXPECT_EQ(IsLiked(c.partner, c.self), c.selfLikesPartner);
    AisyouRecord record{};
    record.selfHonsyou = static_cast<std::int16_t>(c.self.honsyou);
    record.selfChikaku = static_cast<std::int16_t>(c.self.chikaku);
    record.selfAijyou = static_cast<std::int16_t>(c.self.aijyou);
    record.selfShinrei = static_cast<std::int16_t>(c.self.shinrei);
    record.partnerHonsyou = static_cast<std::int16_t>(c.partner.honsyou);
    record.partnerChikaku = static_cast<std::int16_t>(c.partner.chikaku);
    record.partnerAijyou = static_cast<std::int16_t>(c.partner.aijyou);
    record.partnerShinrei = static_cast<std::int16_t>(c.partner.shinrei);
    ASSERT_EQ(GetAijyouAisyou(&record), 1);
    EXPECT_EQ(record.percentage, c.percentage);
    const BuiltReadingTable& whisper = c.partnerLikesSelf ? kLikesWhisper : kDislikesWhisper;
    EXPECT_EQ(record.whisper, ReadingText(whisper.rows, Index(c.partner.aijyou)));
  }
  EXPECT_EQ(AffinityScore(Sums(17, 28, 15, 25), Sums(9, 14, 25, 26)), 10);
  EXPECT_EQ(AffinityScore(Sums(9, 14, 25, 26), Sums(17, 28, 15, 25)), 50);
  EXPECT_EQ(AffinityScore(Sums(18, 38, 18, 11), Sums(8, 28, 8, 14)), 100);
  EXPECT_EQ(AffinityScore(Sums(8, 28, 8, 14), Sums(18, 38, 18, 11)), 160);
}

TEST(LikingTest, AisyouTextsComeFromThePartnersRows) {
  AisyouRecord record{21, 13, 18, 16, 12, 22, 13, 20, nullptr, nullptr, nullptr, nullptr, nullptr, 0};
  GetAijyouAisyou(&record);
  EXPECT_EQ(std::string(record.whisper), Sjis("あなたの強さとカッコよさが好き！"));
  EXPECT_EQ(record.wish, Row(kPartnerWish, 3));
  EXPECT_EQ(record.partnerShinreiText, Row(kShinreiFragment, 2));
  EXPECT_EQ(record.partnerChikakuText, Row(kChikakuFragment, 22));
  EXPECT_EQ(record.partnerHonsyouText, Row(kHonsyouFragment, 2));

  record.partnerAijyou = 22;
  GetAijyouAisyou(&record);
  EXPECT_EQ(std::string(record.whisper), Sjis("私だけ愛し続けないと恨んでやる！"));
  // A sum of 240 has the index 24: no row, the empty text.
  record.partnerChikaku = 240;
  GetAijyouAisyou(&record);
  EXPECT_STREQ(record.partnerChikakuText, "");

  const struct {
    std::int16_t number;
    int row;
  } sex[] = {{15, 15}, {25, 7}, {110, 11}, {200, 20}, {0, 0}, {240, -1}};
  for (const auto& s : sex) {
    SexAisyouRecord sexRecord{s.number, nullptr, nullptr};
    GetSexAisyou(&sexRecord);
    // A sum of 0 reads row 0, the title; a sum of 240 no row at all.
    EXPECT_STREQ(sexRecord.womanWhisper, s.row < 0 ? "" : Row(kWomanWhisper, s.row)) << s.number;
    EXPECT_STREQ(sexRecord.sexReading, s.row < 0 ? "" : Row(kSexReading, s.row)) << s.number;
    if (s.row >= 0) {
      EXPECT_EQ(sexRecord.sexReading, Row(kSexReading, s.row));
    }
  }
}

TEST(WorkSupportTest, OuterNumbersAgainstTheWorkRow) {
  const struct {
    int work, honsyou, shinrei;
    bool supported;
  } cases[] = {
      {12, 19, 1, true},     // row 2's 本性 list holds 9
      {13, 15, 22, false},   // row 3: outer 6 and 2 are in neither list
      {1, 150, 2, false},    // outer(150) = 15, not in row 1's 本性 list
      {3, 2, 150, false},    // row 3's 心霊運 list has no 15
      {4, 2, 150, true},     // row 4's 心霊運 list holds 15
      {22, 210, 2, true},    // row 22's 本性 list holds 21
      {21, 220, 2, false},   // outer(220) = 22, in no list
      {150, 2, 5, true},     // work 150 has index 15, whose 本性 list holds 2
      {7, 10, 2, true},      // a sum of 0 has outer 0, which the 0 fill holds
      {110, 0, 5, true},     // even an empty row's fill
      {230, 0, 0, false},    // no row above 22
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.work) + " " + std::to_string(c.honsyou) + " " + std::to_string(c.shinrei));
    EXPECT_EQ(WorkSupport(static_cast<std::uint16_t>(c.work), static_cast<std::uint16_t>(c.honsyou),
                          static_cast<std::uint16_t>(c.shinrei)),
              c.supported);
  }
}

TEST(TacticsTest, KouryakuReadsEachOutputAtItsSum) {
  for (std::int32_t wistful : {0, 1, -7}) {
    KouryakuRecord record{};
    record.wistful = wistful;
    record.selfHonsyou = 21, record.selfChikaku = 13, record.selfAijyou = 18, record.selfShinrei = 16;
    record.partnerHonsyou = 17, record.partnerChikaku = 9, record.partnerAijyou = 13, record.partnerShinrei = 21;
    ASSERT_EQ(GetAijyouKouryaku(&record), 1);
    EXPECT_EQ(record.whisper, Row(wistful != 0 ? kLoveWhisperWistful : kLoveWhisperAssertive, 3));
    EXPECT_EQ(std::string(record.whisper),
              Sjis("カッコよくって、私について来い的な人に愛を感じちゃうけど、私には命令しないで！"));
    EXPECT_EQ(record.feeling, Row(kFeelingPleased, 3));  // row 3 lists self's chikaku index 3
    EXPECT_EQ(record.partnerShinreiText, Row(kShinreiFragment, 21));
    EXPECT_EQ(record.partnerChikakuText, Row(kChikakuFragment, 9));
    EXPECT_EQ(record.partnerHonsyouText, Row(kHonsyouFragment, 7));
    EXPECT_EQ(record.weakness, Row(kLoveWeakness, 21));
    EXPECT_EQ(record.tactic, Row(kLoveTactic, 21));
    EXPECT_EQ(record.getMethod, Row(kLoveGetMethod, 3));
    record.partnerAijyou = 12;  // row 2 excludes self's chikaku outer 3
    GetAijyouKouryaku(&record);
    EXPECT_EQ(record.feeling, Row(kFeelingDispleased, 2));
    EXPECT_EQ(record.whisper, Row(wistful != 0 ? kLoveWhisperWistful : kLoveWhisperAssertive, 2));
  }
}

TEST(TacticsTest, NinkiFeelingAndWeakPoint) {
  const struct {
    const char* why;
    std::int16_t self1, self2, honsyou, ninki, shinrei;
    bool good;
    int weakRow;
  } cases[] = {
      {"shinrei and ninki both outer 7", 1, 1, 19, 27, 17, false, 9},
      {"outer numbers differ", 27, 1, 19, 27, 13, true, 3},
      {"second sum meets ninki", 1, 12, 21, 22, 13, true, 3},
      {"special honsyou 21 reads row 21", 3, 3, 21, 13, 23, true, 21},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    NinkiRecord record{};
    record.wistful = 1;
    record.selfSum1 = c.self1, record.selfSum2 = c.self2;
    record.partnerHonsyou = c.honsyou, record.partnerNinki = c.ninki, record.partnerShinrei = c.shinrei;
    ASSERT_EQ(GetNinkiKouryaku(&record), 1);
    const int ninkiRow = Index(c.ninki);
    EXPECT_EQ(record.whisper, Row(kFriendWhisperWistful, ninkiRow));
    EXPECT_EQ(record.trueFeeling, Row(c.good ? kTrueFeelingGood : kTrueFeelingLukewarm, ninkiRow));
    EXPECT_EQ(record.getMethod, Row(kFriendGetMethod, ninkiRow));
    EXPECT_EQ(record.partnerShinreiText, Row(kFriendShinrei, Index(c.shinrei)));
    EXPECT_EQ(record.partnerHonsyouText, Row(kFriendHonsyou, Index(c.honsyou)));
    EXPECT_EQ(record.weakness, Row(kFriendWeakness, c.weakRow));
    EXPECT_EQ(record.tactic, Row(kFriendTactic, c.weakRow));
  }
  NinkiRecord assertive{};
  assertive.partnerNinki = 22;
  GetNinkiKouryaku(&assertive);
  EXPECT_EQ(std::string(assertive.whisper), Sjis("どんな人とでも仲良くできるわよ！"));
}

TEST(WorkEvaluationTest, LuckAndAidFollowWorkSupport) {
  const struct {
    std::int16_t self, honsyou, work, shinrei;
    bool great, ample;
  } cases[] = {
      {13, 19, 12, 1, true, true},    // 9 in row 2's 本性 list; self row 3 takes 心霊運 1
      {13, 15, 12, 22, false, false}, // outer 6 and 2: neither row 2 nor row 3 holds them
      {15, 2, 25, 6, true, true},     // rows 7 and 15 both hold 本性 outer 2
      {0, 6, 15, 5, false, false},    // row 15 holds neither 6 nor 5; the asker's row 0 is empty
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.work));
    ShigotoRecord record{};
    record.wistful = 0;
    record.selfShigoto = c.self, record.partnerHonsyou = c.honsyou, record.partnerShigoto = c.work,
    record.partnerShinrei = c.shinrei;
    ASSERT_EQ(GetShigotoHyouka(&record), 1);
    const int row = Index(c.work);
    EXPECT_EQ(record.whisper, Row(kWorkWhisperAssertive, row));
    EXPECT_EQ(record.workType, Row(kWorkType, row));
    EXPECT_EQ(record.workLuck, Row(c.great ? kWorkLuckGreat : kWorkLuckFew, row));
    EXPECT_EQ(record.aid, Row(c.ample ? kAidAmple : kAidFew, row));
    EXPECT_EQ(record.partnerShinreiText, Row(kWorkShinrei, Index(c.shinrei)));
    EXPECT_EQ(record.partnerHonsyouText, Row(kWorkHonsyou, Index(c.honsyou)));
  }
}

}  // namespace
