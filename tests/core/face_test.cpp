#include "core/face.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "core/engine_binding.h"
#include "core/face_pictures.h"
#include "core/member.h"
#include "program_folder.h"
#include "recording_message_sink.h"
#include "test_text.h"

namespace nuvaro::core {
namespace {

using testing::Sjis;
using testing::Utf8;

TEST(MemberText, IsParsedIntoNameSexAndAge) {
  struct Case {
    const char* text;
    const char* name;
    const char* sex;
    int age;
  };
  const std::vector<Case> cases = {
      {"桃 太郎,男,30", "桃 太郎", "男", 30}, {"桃 花子,男性,100", "桃 花子", "男性", 100},
      {"桃 花子,女", "桃 花子", "女", 0},     {"桃 花子", "桃 花子", "", 0},
      {"a,男,12abc", "a", "男", 12},          {"a,男,99999999999999999999", "a", "男", INT_MAX},
  };
  for (const auto& c : cases) {
    ParsedMemberText parsed = ParseMemberText(Sjis(c.text));
    EXPECT_EQ(Utf8(parsed.name), c.name) << c.text;
    EXPECT_EQ(Utf8(parsed.sex), c.sex) << c.text;
    EXPECT_EQ(parsed.age, c.age) << c.text;
    EXPECT_EQ(parsed.isMale, std::string(c.sex) == "男") << c.text;
  }
}

TEST(FacePictures, GroupBySexAndAgeBand) {
  // age band, group of a man, group of a woman
  const std::vector<std::array<int, 3>> cases = {{-5, 6, 2}, {10, 6, 2}, {11, 7, 3}, {30, 7, 3}, {31, 8, 1},
                                                 {40, 8, 1}, {41, 9, 10}, {50, 9, 10}, {51, 4, 5}, {100, 4, 5}};
  for (const auto& [age, male, female] : cases) {
    EXPECT_EQ(FaceGroup(true, age), male) << age;
    EXPECT_EQ(FaceGroup(false, age), female) << age;
  }
}

TEST(FacePictures, ExpressionFromTheFirstSum) {
  // honsyou, its outer number, expression
  const std::vector<std::array<int, 3>> cases = {{21, 1, 10}, {11, 1, 0},  {13, 3, 2},
                                                 {10, 10, 9}, {110, 11, 9}, {0, 0, 0}};
  for (const auto& [honsyou, outer, expression] : cases) {
    SoulRecord record;
    std::memset(&record, 0, sizeof record);
    record.honsyou = static_cast<int16_t>(honsyou);
    record.outer[0] = static_cast<int16_t>(outer);
    EXPECT_EQ(FaceExpression(record), expression) << honsyou;
  }
}

class FaceTest : public ::testing::Test {
 protected:
  void SetUp() override { face.CreateSelf(); }

  // Adds a face at (x, y) with the engine bound in this test (or none).
  int Add(int x, int y, std::string_view memberUtf8) { return face.AddFace(x, y, Sjis(memberUtf8), engine); }

  testing::ProgramFolder folder;
  testing::RecordingMessageSink sink;
  EngineBinding engine;  // not bound unless a test binds it
  CFace face;
};

TEST_F(FaceTest, TheUserStartsUnnamedAndTakesThePortraitOfTheGroup) {
  ASSERT_EQ(face.LastIndex(), 0);
  EXPECT_EQ(face.Entry(0).face, (BoardRect{0, 0, 100, 100}));
  EXPECT_EQ(face.Entry(0).labelTop, 100);
  EXPECT_EQ(Utf8(face.Entry(0).name), "名なし");
  EXPECT_EQ(face.Entry(0).picture, (FacePicture{0, 0}));
  EXPECT_EQ(face.created, 1);
  EXPECT_EQ(face.SelfName(), "");

  face.SetSelf(Sjis("桃 太郎,男,30"));
  EXPECT_EQ(Utf8(face.Entry(0).name), "桃 太郎");
  EXPECT_EQ(face.Entry(0).picture, (FacePicture{0, 7}));
  EXPECT_EQ(Utf8(face.SelfName()), "桃 太郎");
  EXPECT_EQ(face.LastIndex(), 0) << "naming the user creates no face";
  face.SetSelf(Sjis("桃 花子,女性,"));
  EXPECT_EQ(face.Entry(0).picture, (FacePicture{0, 2})) << "女性 is not 男; an empty age band is 0";
}

TEST_F(FaceTest, NamesAreCutTo39BytesOnACharacterBoundary) {
  std::string longName = "x" + Sjis("漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢");  // 45 bytes
  face.SetSelf(longName + "," + Sjis("男") + ",20");
  EXPECT_EQ(face.Entry(0).name, "x" + Sjis("漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢"));  // 39 bytes
  int index = face.AddFace(0, 0, "xy" + Sjis("漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢") + ",,", engine);
  EXPECT_EQ(face.Entry(index).name, "xy" + Sjis("漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢"));  // 38 bytes
}

TEST_F(FaceTest, AddedFacesTakeTheirPictureFromTheEngine) {
  folder.CopyEngine();
  ASSERT_TRUE(engine.Bind());
  int first = Add(300, 200, "山田 太郎,男,30");  // honsyou 21
  int second = Add(50, 60, "林 一,女,45");       // honsyou 11, outer number 1
  const FaceEntry& a = face.Entry(first);
  EXPECT_EQ(a.id, 1);
  EXPECT_EQ(a.face, (BoardRect{250, 150, 350, 250}));
  EXPECT_EQ(a.labelTop, 250);
  EXPECT_EQ(a.picture, (FacePicture{7, 10}));
  EXPECT_EQ(Utf8(a.balloonText), "ヌヴァロ言葉が見あたらない");
  EXPECT_EQ(face.Entry(second).picture, (FacePicture{10, 0}));
  EXPECT_EQ(face.Entry(second).id, 2);
  EXPECT_EQ(face.created, 3);
  engine.Release();  // without CalculateSoul a face gets the first expression
  EXPECT_EQ(face.Entry(Add(0, 0, "山田 太郎,男,30")).picture, (FacePicture{7, 0}));
}

TEST_F(FaceTest, HitTestsFindTheLowestActiveOtherFace) {
  Add(300, 300, "a b,男,1");  // (250, 250)-(350, 350)
  Add(340, 300, "c d,男,1");  // (290, 250)-(390, 350): overlaps the first
  // point, face hit; right and bottom edges are outside
  const std::vector<std::array<int, 3>> cases = {{300, 300, 1}, {349, 349, 1}, {350, 300, 2},
                                                 {390, 300, 0}, {300, 350, 0}, {50, 50, 0}};
  for (const auto& [x, y, hit] : cases) EXPECT_EQ(face.HitTest({x, y}), hit) << x << "," << y;
  face.Discard(1);
  EXPECT_EQ(face.HitTest({300, 300}), 2);
  EXPECT_TRUE(face.SelfContains({99, 99}));
  EXPECT_FALSE(face.SelfContains({100, 50}));
  EXPECT_EQ(face.Name(3), "") << "queries beyond the entries are neutral";
  EXPECT_EQ(face.IsActive(3), 0);
}

TEST_F(FaceTest, RecentringKeepsEveryFaceWhereItStoodRelativeToTheUser) {
  Add(300, 200, "a b,男,1");
  face.Recentre(801, 601);
  EXPECT_EQ(face.Entry(0).face, (BoardRect{350, 250, 450, 350}));
  EXPECT_EQ(face.Entry(1).face, (BoardRect{600, 400, 700, 500}));
  EXPECT_EQ(face.Entry(1).labelTop, 500);
  face.Recentre(400, 300);
  EXPECT_EQ(face.Entry(0).face, (BoardRect{150, 100, 250, 200}));
  EXPECT_EQ(face.Entry(1).face, (BoardRect{400, 250, 500, 350}));
  EXPECT_EQ(face.Entry(1).labelLeft, 400);
}

TEST_F(FaceTest, DiscardingAndRestoring) {
  face.whispering = 1;
  face.ClearAll();
  EXPECT_EQ(face.whispering, 1) << "with only the user, clearing does nothing";
  Add(300, 200, "a b,男,1");
  Add(500, 200, "c d,男,1");
  Add(700, 200, "e f,男,1");
  face.SetSpeaking(true);
  face.Discard(1);
  face.Discard(3);
  EXPECT_TRUE(face.AnyOtherInactive());
  EXPECT_EQ(face.LastIndex(), 3) << "entries are never removed";
  face.RestoreAll();
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(face.Entry(i).active, 1) << "every discarded face comes back, not only the last";
    EXPECT_EQ(face.Entry(i).speaking, 1) << "speaking follows whispering";
  }
  face.ClearAll();
  EXPECT_EQ(face.whispering, 0);
  EXPECT_EQ(face.Entry(2).active + face.Entry(2).speaking, 0);
  face.RestoreAll();
  EXPECT_EQ(face.Entry(2).active, 1);
  EXPECT_EQ(face.Entry(2).speaking, 0);
  EXPECT_EQ(face.created, 4) << "ids are not reused";
}

}  // namespace
}  // namespace nuvaro::core
