// The personal reading table as a whole: its order, the quoted rows, the openings and
// empty rows, the notes, and texts that are valid, distinct and of a readable length.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "personal/personal_reading_table.h"
#include "test_text.h"

namespace {

using nuvaro::personal::PersonalReadingRow;
using nuvaro::personal::PersonalReadingTable;
using nuvaro::testing::Sjis;
using nuvaro::testing::Utf8;

const std::string kHidden = "あなたの隠れた世界は、";
const std::string kSocial = "あなたの社会面に現れる性格は、";
const std::string kHome = "あなたの家庭面に現れる性格は、";
const std::string kDevil = "悪魔の数字２２、この数字を持つ";
const std::string kLookYoung = "３０代位までのあなたの外見は";

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

std::string TextOf(const PersonalReadingRow& row) { return Utf8(row.text); }

// Characters of a UTF-8 text.
std::size_t Characters(const std::string& utf8) {
  std::size_t count = 0;
  for (unsigned char byte : utf8) count += (byte & 0xC0) != 0x80;
  return count;
}

TEST(PersonalReadingTable, RowsStandInTheStatedOrder) {
  std::vector<std::pair<int, int>> expected;
  for (int number = 1; number <= 60; ++number) {
    std::vector<int> aspects = {1, 2, 3, 4, 7, 8, 9, 5, 6};
    if (number <= 40) aspects.insert(aspects.end(), {10, 11});
    for (int aspect : aspects) expected.emplace_back(number, aspect);
  }
  std::vector<std::pair<int, int>> actual;
  for (const PersonalReadingRow& row : PersonalReadingTable()) actual.emplace_back(row.number, row.aspect);
  EXPECT_EQ(actual.size(), 620u);
  EXPECT_EQ(actual, expected);
}

TEST(PersonalReadingTable, QuotedRowsAreExact) {
  struct Quoted {
    std::uint16_t number;
    int aspect;
    const char* text;
  };
  const Quoted quoted[] = {
      {1, 1, "あなたの隠れた世界は、プライド、目的を性質として持ちます。目的観のない人生は、あなたは考えることができません。目的追求しているときに、あなたは心の平安を得ることができます。"},
      {1, 3, "どんな仕事であれ、そこに仕事の目的・意義・価値を見出さねばなりません。自分で価値を見出し、発見するように主体的に行う仕事が向いています。グループのリーダ的な立場が向いています。社会的性格と合わなければ運勢を失います。"},
      {1, 4, "人間関係に価値と目的がなければ、その人間関係は長続きしません。"},
      {1, 5, "３０代位までのあなたの外見はプライドが高く、集中力がありそうな印象を人に与えます。"},
      {1, 6, "３０代以降のあなたの外見はプライドが高く、集中力がありそうな印象を人に与えます。"},
      {1, 10, "目的をはっきり持たなければ、お金は集まりません。"},
      {1, 11, "目的にかなったお金の使い方をしなければ、経済運を失います。"},
      {22, 10, "人の為、家庭の為、国の為、世界の為になることをしてお金を集めることです。"},
  };
  for (const Quoted& q : quoted) {
    const PersonalReadingRow* row = nuvaro::personal::FindPersonalReading(q.number, q.aspect);
    ASSERT_NE(row, nullptr) << q.number << "/" << q.aspect;
    EXPECT_EQ(std::string(row->text), Sjis(q.text)) << q.number << "/" << q.aspect;
  }
  EXPECT_STREQ(nuvaro::personal::FindPersonalReading(1, 5)->note, Sjis("手足のけがに注意してください。").c_str());
}

// Openings, empty rows and the shared bodies of aspects 1, 2 and 7.
TEST(PersonalReadingTable, OpeningsAndEmptyRows) {
  std::map<int, std::map<int, std::string>> texts;
  for (const PersonalReadingRow& row : PersonalReadingTable()) texts[row.number][row.aspect] = TextOf(row);
  for (auto& [number, byAspect] : texts) {
    SCOPED_TRACE(number);
    if (number == 22) {
      for (int aspect : {1, 2, 7, 8}) EXPECT_TRUE(StartsWith(byAspect[aspect], kDevil)) << aspect;
    } else {
      ASSERT_TRUE(StartsWith(byAspect[1], kHidden));
      ASSERT_TRUE(StartsWith(byAspect[2], kSocial));
      ASSERT_TRUE(StartsWith(byAspect[7], kHome));
      const std::string body = byAspect[1].substr(kHidden.size());
      EXPECT_EQ(byAspect[2].substr(kSocial.size()), body);
      EXPECT_EQ(byAspect[7].substr(kHome.size()), body);
    }
    if (number <= 40) {
      EXPECT_TRUE(StartsWith(byAspect[5], kLookYoung));
      EXPECT_TRUE(StartsWith(byAspect[6], "３０代以降のあなたの外見は") ||
                  StartsWith(byAspect[6], "３０代以後のあなたの外見は"));
      EXPECT_GT(byAspect[5].size(), kLookYoung.size());
    } else {
      EXPECT_EQ(byAspect[5], "３０代位までのあなたの外見は、");
      EXPECT_EQ(byAspect[6], "３０代以後のあなたの外見は、");
    }
    for (int aspect : {3, 4, 8, 9}) EXPECT_EQ(byAspect[aspect].empty(), number >= 51) << aspect;
  }
}

TEST(PersonalReadingTable, NotesAreHealthCautionsWithThreeNull) {
  int cautions = 0, empty = 0;
  std::set<std::pair<int, int>> nulls;
  for (const PersonalReadingRow& row : PersonalReadingTable()) {
    if (row.note == nullptr) {
      nulls.emplace(row.number, row.aspect);
    } else if (*row.note == '\0') {
      ++empty;
    } else {
      ++cautions;
      const std::string note = Utf8(row.note);
      EXPECT_TRUE(note.ends_with("下さい。") || note.ends_with("ください。")) << note;
    }
  }
  EXPECT_EQ(cautions, 83);
  EXPECT_EQ(empty, 534);
  EXPECT_EQ(nulls, (std::set<std::pair<int, int>>{{1, 3}, {2, 1}, {8, 9}}));
}

// Every text and note is valid CP932 and at most about 200 characters long; apart from
// the shared bodies of aspects 1, 2 and 7 within a number, no sentence stands in two
// rows (the look openings of 41 to 60 and the empty rows are alike by design).
TEST(PersonalReadingTable, TextsAreValidDistinctAndShort) {
  std::map<std::string, std::pair<int, int>> firstRowOfSentence;
  for (const PersonalReadingRow& row : PersonalReadingTable()) {
    SCOPED_TRACE(std::to_string(row.number) + "/" + std::to_string(row.aspect));
    auto text = nuvaro::platform::Cp932ToUtf8(row.text);
    ASSERT_TRUE(text.has_value());
    if (row.note != nullptr) {
      EXPECT_TRUE(nuvaro::platform::Cp932ToUtf8(row.note).has_value());
    }
    EXPECT_LE(Characters(*text), 200u);
    if (row.number > 40 && (row.aspect == 5 || row.aspect == 6)) continue;
    if (!text->empty()) {
      EXPECT_TRUE(text->ends_with("。")) << *text;
    }
    const bool sharedBody = row.aspect == 1 || row.aspect == 2 || row.aspect == 7;
    std::size_t start = 0;
    for (std::size_t end; (end = text->find("。", start)) != std::string::npos; start = end + 3) {
      const std::string sentence = text->substr(start, end - start);
      auto [it, inserted] = firstRowOfSentence.emplace(sentence, std::make_pair(row.number, row.aspect));
      if (inserted) continue;
      const auto [otherNumber, otherAspect] = it->second;
      const bool bothShared = sharedBody && (otherAspect == 1 || otherAspect == 2 || otherAspect == 7);
      EXPECT_TRUE(otherNumber == row.number && bothShared)
          << "\"" << sentence << "\" also in " << otherNumber << "/" << otherAspect;
    }
  }
}

}  // namespace
