#include "core/face.h"

#include <gtest/gtest.h>

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
    std::string text;
    std::string name;
    std::string sex;
    int age;
    bool isMale;
  };
  const std::vector<Case> cases = {
      {Sjis("桃 太郎,男,30"), Sjis("桃 太郎"), Sjis("男"), 30, true},
      {Sjis("桃 花子,男性,100"), Sjis("桃 花子"), Sjis("男性"), 100, false},
      {Sjis("桃 花子,,"), Sjis("桃 花子"), "", 0, false},
      {Sjis("桃 花子,女"), Sjis("桃 花子"), Sjis("女"), 0, false},
      {Sjis("桃 花子"), Sjis("桃 花子"), "", 0, false},
      {Sjis("a,男,12abc"), "a", Sjis("男"), 12, true},
      {Sjis("a,男, +7"), "a", Sjis("男"), 7, true},
      {Sjis("a,男,-3"), "a", Sjis("男"), -3, true},
      {Sjis("a,男,abc"), "a", Sjis("男"), 0, true},
      {Sjis("a,男,99999999999999999999"), "a", Sjis("男"), INT_MAX, true},
      {Sjis("表,能,ソ"), Sjis("表"), Sjis("能"), 0, false},
  };
  for (const auto& c : cases) {
    ParsedMemberText parsed = ParseMemberText(c.text);
    EXPECT_EQ(parsed.name, c.name) << Utf8(c.text);
    EXPECT_EQ(parsed.sex, c.sex) << Utf8(c.text);
    EXPECT_EQ(parsed.age, c.age) << Utf8(c.text);
    EXPECT_EQ(parsed.isMale, c.isMale) << Utf8(c.text);
  }
}

TEST(MemberText, FullNameSplitsAtTheFirstHalfWidthSpace) {
  struct Case {
    const char* name;
    const char* surname;
    const char* givenName;
  };
  const std::vector<Case> cases = {{"桃 太郎", "桃", "太郎"},   {"南瓜花子", "", "南瓜花子"},
                                   {"a b c", "a", "b c"},       {"桃　太郎", "", "桃　太郎"},
                                   {" 太郎", "", "太郎"},       {"", "", ""}};
  for (const auto& c : cases) {
    NameParts parts = SplitFullName(Sjis(c.name));
    EXPECT_EQ(Utf8(parts.surname), c.surname) << c.name;
    EXPECT_EQ(Utf8(parts.givenName), c.givenName) << c.name;
  }
}

TEST(FacePictures, GroupBySexAndAgeBand) {
  struct Case {
    int age;
    int male;
    int female;
  };
  const std::vector<Case> cases = {{-5, 6, 2}, {0, 6, 2},  {10, 6, 2}, {11, 7, 3}, {30, 7, 3},  {31, 8, 1},
                                   {40, 8, 1}, {41, 9, 10}, {50, 9, 10}, {51, 4, 5}, {100, 4, 5}};
  for (const auto& c : cases) {
    EXPECT_EQ(FaceGroup(true, c.age), c.male) << c.age;
    EXPECT_EQ(FaceGroup(false, c.age), c.female) << c.age;
  }
}

TEST(FacePictures, ExpressionFromTheFirstSum) {
  struct Case {
    int honsyou;
    int outer;
    int expression;
  };
  const std::vector<Case> cases = {{21, 1, 10}, {11, 1, 0}, {13, 3, 2}, {19, 9, 8},
                                   {10, 10, 9}, {110, 11, 9}, {0, 0, 0}};
  for (const auto& c : cases) {
    SoulRecord record;
    std::memset(&record, 0, sizeof record);
    record.honsyou = static_cast<int16_t>(c.honsyou);
    record.outer[0] = static_cast<int16_t>(c.outer);
    EXPECT_EQ(FaceExpression(record), c.expression) << c.honsyou;
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

TEST_F(FaceTest, TheUserStartsUnnamedInTheCorner) {
  ASSERT_EQ(face.LastIndex(), 0);
  const FaceEntry& self = face.Entry(0);
  EXPECT_EQ(self.id, 0);
  EXPECT_EQ(self.active, 1);
  EXPECT_EQ(self.face, (BoardRect{0, 0, 100, 100}));
  EXPECT_EQ(self.labelLeft, 0);
  EXPECT_EQ(self.labelTop, 100);
  EXPECT_EQ(Utf8(self.name), "名なし");
  EXPECT_EQ(self.picture, (FacePicture{0, 0}));
  EXPECT_EQ(face.created, 1);
  EXPECT_EQ(face.SelfName(), "");
  EXPECT_TRUE(face.IsSelfUnnamed());
}

TEST_F(FaceTest, SettingTheUserGivesThePortraitOfTheGroup) {
  face.SetSelf(Sjis("桃 太郎,男,30"));
  EXPECT_EQ(Utf8(face.Entry(0).name), "桃 太郎");
  EXPECT_EQ(face.Entry(0).picture, (FacePicture{0, 7}));
  EXPECT_EQ(face.IsMale(0), 1);
  EXPECT_EQ(face.Age(0), 30);
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
  ASSERT_EQ(first, 1);
  ASSERT_EQ(second, 2);
  const FaceEntry& a = face.Entry(first);
  EXPECT_EQ(a.id, 1);
  EXPECT_EQ(a.active, 1);
  EXPECT_EQ(a.face, (BoardRect{250, 150, 350, 250}));
  EXPECT_EQ(a.labelLeft, 250);
  EXPECT_EQ(a.labelTop, 250);
  EXPECT_EQ(a.picture, (FacePicture{7, 10}));
  EXPECT_EQ(Utf8(a.balloonText), "ヌヴァロ言葉が見あたらない");
  EXPECT_EQ(a.speaking, 0);
  EXPECT_EQ(face.Entry(second).picture, (FacePicture{10, 0}));
  EXPECT_EQ(face.Entry(second).id, 2);
  EXPECT_EQ(face.created, 3);
}

TEST_F(FaceTest, WithoutTheEngineEntryAFaceGetsTheFirstExpression) {
  int index = Add(300, 200, "山田 太郎,男,30");
  EXPECT_EQ(face.Entry(index).picture, (FacePicture{7, 0}));
}

TEST_F(FaceTest, IndexQueriesBeyondTheEntriesAreNeutral) {
  Add(300, 300, "桃 太郎,男,30");
  for (int index : {-1, 2, 100}) {
    EXPECT_EQ(face.Name(index), "") << index;
    EXPECT_EQ(face.IsMale(index), 0) << index;
    EXPECT_EQ(face.Age(index), 0) << index;
    EXPECT_EQ(face.IsActive(index), 0) << index;
  }
  EXPECT_EQ(Utf8(face.Name(1)), "桃 太郎");
  CFace empty;
  EXPECT_EQ(empty.LastIndex(), -1);
  EXPECT_EQ(empty.Name(0), "");
  EXPECT_FALSE(empty.SelfContains({1, 1}));
  EXPECT_EQ(empty.HitTest({1, 1}), 0);
}

TEST_F(FaceTest, SearchesByIdSkipDiscardedFaces) {
  face.SetSelf(Sjis("桃 太郎,男,30"));
  Add(300, 300, "南瓜 花子,女,20");  // id 1
  Add(500, 300, "林 一,女,20");      // id 2
  face.Discard(2);
  EXPECT_EQ(Utf8(face.NameOfId(0)), "桃 太郎");
  EXPECT_EQ(Utf8(face.NameOfId(1)), "南瓜 花子");
  EXPECT_EQ(face.NameOfId(2), "") << "discarded";
  EXPECT_EQ(face.NameOfId(9), "");
  EXPECT_EQ(face.IsMaleOfId(1), 0);
  EXPECT_EQ(face.IsMaleOfId(2), 1) << "no active face with that id: male";
  face.SetSelf(Sjis("桃 花子,女,30"));
  EXPECT_EQ(face.IsMaleOfId(0), 1) << "the search for the sex starts at index 1";
}

TEST_F(FaceTest, HitTestsFindTheLowestActiveOtherFace) {
  Add(300, 300, "a b,男,1");  // (250, 250)-(350, 350)
  Add(340, 300, "c d,男,1");  // (290, 250)-(390, 350): overlaps the first
  struct Case {
    BoardPoint point;
    int hit;
  };
  const std::vector<Case> cases = {{{250, 250}, 1}, {{300, 300}, 1}, {{349, 349}, 1}, {{350, 300}, 2},
                                   {{389, 349}, 2}, {{390, 300}, 0}, {{300, 350}, 0}, {{50, 50}, 0}};
  for (const auto& c : cases) EXPECT_EQ(face.HitTest(c.point), c.hit) << c.point.x << "," << c.point.y;
  face.Discard(1);
  EXPECT_EQ(face.HitTest({300, 300}), 2);
  EXPECT_EQ(face.HitTest({260, 300}), 0);
  EXPECT_TRUE(face.SelfContains({0, 0}));
  EXPECT_TRUE(face.SelfContains({99, 99}));
  EXPECT_FALSE(face.SelfContains({100, 50}));
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

TEST_F(FaceTest, MovingAFaceTakesItsNamePlateAlong) {
  Add(300, 200, "a b,男,1");
  face.SetFaceRect(1, {10, 20, 110, 120});
  EXPECT_EQ(face.Entry(1).labelLeft, 10);
  EXPECT_EQ(face.Entry(1).labelTop, 120);
  face.ShiftFace(1, -5, 7);
  EXPECT_EQ(face.Entry(1).face, (BoardRect{5, 27, 105, 127}));
  EXPECT_EQ(face.Entry(1).labelTop, 127);
}

TEST_F(FaceTest, DiscardingAndRestoring) {
  Add(300, 200, "a b,男,1");
  Add(500, 200, "c d,男,1");
  Add(700, 200, "e f,男,1");
  face.whispering = 1;
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
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(face.Entry(i).active, 0);
    EXPECT_EQ(face.Entry(i).speaking, 0);
  }
  face.RestoreAll();
  EXPECT_EQ(face.Entry(2).active, 1);
  EXPECT_EQ(face.Entry(2).speaking, 0);
  EXPECT_EQ(face.created, 4) << "ids are not reused";
}

TEST_F(FaceTest, OperationsOnOtherFacesDoNothingWithOnlyTheUser) {
  face.whispering = 1;
  face.ClearAll();
  EXPECT_EQ(face.whispering, 1);
  face.Discard(0);
  EXPECT_EQ(face.Entry(0).active, 1) << "the user cannot be discarded";
  EXPECT_FALSE(face.AnyOtherInactive());
}

}  // namespace
}  // namespace nuvaro::core
