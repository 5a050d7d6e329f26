#include "core/nuvaro_doc.h"

#include <gtest/gtest.h>

#include "core/engine_binding.h"
#include "program_folder.h"
#include "recording_message_sink.h"
#include "test_text.h"

namespace nuvaro::core {
namespace {

using testing::Sjis;
using testing::Utf8;

class NuvaroDocTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.OnBoardSetUp();
    doc.OnBoardSize(800, 600);  // the user's face at (350, 250)-(450, 350)
  }

  testing::RecordingMessageSink sink;
  EngineBinding engine;
  CNuvaroDoc doc;
};

TEST_F(NuvaroDocTest, TitleIsAlwaysTheProgramsName) { EXPECT_EQ(Utf8(doc.Title()), "ヌヴァロ君"); }

TEST_F(NuvaroDocTest, TheTrashBoxIsPlacedOnTheFirstSizeEventOnly) {
  EXPECT_TRUE(doc.Trash().placed);
  EXPECT_EQ(doc.Trash().topLeft, (BoardPoint{732, 532}));
  EXPECT_EQ(doc.Face().Entry(0).face, (BoardRect{350, 250, 450, 350}));
  doc.OnBoardSize(1000, 700);
  EXPECT_EQ(doc.Trash().topLeft, (BoardPoint{732, 532}));
  EXPECT_EQ(doc.Face().Entry(0).face, (BoardRect{450, 300, 550, 400}));
  // A new board set-up places it again.
  doc.OnBoardSetUp();
  EXPECT_FALSE(doc.Trash().placed);
  doc.OnBoardSize(400, 300);
  EXPECT_EQ(doc.Trash().topLeft, (BoardPoint{332, 232}));
}

TEST_F(NuvaroDocTest, TheTrashBoxIsHitWithin32PixelsOfItsPicture) {
  const TrashBox& trash = doc.Trash();  // (732, 532)
  struct Case {
    BoardPoint point;
    bool hit;
  };
  const std::vector<Case> cases = {{{700, 500}, true}, {{699, 520}, false}, {{720, 499}, false},
                                   {{821, 621}, true}, {{822, 600}, false}, {{800, 622}, false},
                                   {{760, 560}, true}};
  for (const auto& c : cases) EXPECT_EQ(trash.Hit(c.point), c.hit) << c.point.x << "," << c.point.y;
  doc.Trash().MoveTo({100, 100}, {10, 20});
  EXPECT_EQ(doc.Trash().topLeft, (BoardPoint{90, 80}));
  EXPECT_EQ(doc.Trash().HitArea(), (BoardRect{58, 48, 180, 170}));
}

TEST_F(NuvaroDocTest, DropsBeforeTheUserIsNamed) {
  const std::string member = Sjis("桃 太郎,男,30");
  EXPECT_FALSE(doc.CanDropAt({100, 100}));
  EXPECT_TRUE(doc.CanDropAt({400, 300}));
  EXPECT_EQ(doc.Drop({100, 100}, member, engine), DropOutcome::Nothing);
  EXPECT_EQ(doc.Face().LastIndex(), 0);
  EXPECT_EQ(doc.Face().selfSet, 0);
  EXPECT_EQ(doc.Drop({400, 300}, member, engine), DropOutcome::SelfNamed);
  EXPECT_EQ(doc.Face().selfSet, 1);
  EXPECT_EQ(doc.Face().LastIndex(), 0) << "naming the user adds no face";
  EXPECT_EQ(Utf8(doc.Face().SelfName()), "桃 太郎");
}

TEST_F(NuvaroDocTest, DropsOnceTheUserIsNamed) {
  doc.Drop({400, 300}, Sjis("桃 太郎,男,30"), engine);
  EXPECT_EQ(doc.Drop({100, 100}, Sjis("南瓜 花子,女,20"), engine), DropOutcome::FaceAdded);
  ASSERT_EQ(doc.Face().LastIndex(), 1);
  EXPECT_EQ(doc.Face().Entry(1).face, (BoardRect{50, 50, 150, 150}));
  EXPECT_FALSE(doc.CanDropAt({120, 120})) << "over another face";
  EXPECT_EQ(doc.Drop({120, 120}, Sjis("林 一,男,20"), engine), DropOutcome::Nothing);
  EXPECT_TRUE(doc.CanDropAt({400, 300}));
  EXPECT_EQ(doc.Drop({400, 300}, Sjis("林 一,男,20"), engine), DropOutcome::SelfRenamed);
  EXPECT_EQ(Utf8(doc.Face().SelfName()), "林 一");
  EXPECT_EQ(doc.Face().LastIndex(), 1);
  // A discarded face no longer blocks its place.
  doc.DiscardFace(1);
  EXPECT_EQ(doc.Drop({120, 120}, Sjis("林 一,男,20"), engine), DropOutcome::FaceAdded);
}

TEST_F(NuvaroDocTest, TheTrashBoxShowsFullWhileAFaceIsInIt) {
  doc.Drop({400, 300}, Sjis("桃 太郎,男,30"), engine);
  doc.ClearAll();
  EXPECT_FALSE(doc.Trash().full) << "clearing with only the user does nothing";
  doc.Drop({100, 100}, Sjis("a b,男,1"), engine);
  doc.Drop({600, 100}, Sjis("c d,男,1"), engine);
  doc.DiscardFace(1);
  EXPECT_TRUE(doc.Trash().full);
  EXPECT_EQ(doc.Trash().Picture(), kTrashPictureFull);
  doc.RestoreAll();
  EXPECT_FALSE(doc.Trash().full);
  EXPECT_EQ(doc.Face().Entry(1).active, 1);
  doc.ClearAll();
  EXPECT_TRUE(doc.Trash().full);
  doc.SetTrashEmpty();
  EXPECT_EQ(doc.Trash().Picture(), kTrashPictureEmpty);
}

}  // namespace
}  // namespace nuvaro::core
