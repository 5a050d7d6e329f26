#include "core/nuvaro_doc.h"

#include <gtest/gtest.h>

#include "core/engine_binding.h"
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

  EngineBinding engine;  // unbound: faces get the first expression
  CNuvaroDoc doc;
};

TEST_F(NuvaroDocTest, TheTrashBoxIsPlacedOnTheFirstSizeEventOnly) {
  EXPECT_EQ(Utf8(doc.Title()), "ヌヴァロ君");
  EXPECT_EQ(doc.Trash().topLeft, (BoardPoint{732, 532}));
  EXPECT_TRUE(doc.Trash().Hit({700, 500}));
  EXPECT_FALSE(doc.Trash().Hit({822, 600})) << "the hit area ends 32 pixels beyond the picture";
  doc.OnBoardSize(1000, 700);
  EXPECT_EQ(doc.Trash().topLeft, (BoardPoint{732, 532}));
  EXPECT_EQ(doc.Face().Entry(0).face, (BoardRect{450, 300, 550, 400}));
  doc.Trash().MoveTo({100, 100}, {10, 20});
  EXPECT_EQ(doc.Trash().HitArea(), (BoardRect{58, 48, 180, 170}));
  doc.OnBoardSetUp();  // a new board places it again
  doc.OnBoardSize(400, 300);
  EXPECT_EQ(doc.Trash().topLeft, (BoardPoint{332, 232}));
}

TEST_F(NuvaroDocTest, DropsNameTheUserFirstThenAddFaces) {
  EXPECT_FALSE(doc.CanDropAt({100, 100}));
  EXPECT_EQ(doc.Drop({100, 100}, Sjis("桃 太郎,男,30"), engine), DropOutcome::Nothing);
  EXPECT_TRUE(doc.CanDropAt({400, 300}));
  EXPECT_EQ(doc.Drop({400, 300}, Sjis("桃 太郎,男,30"), engine), DropOutcome::SelfNamed);
  EXPECT_EQ(doc.Face().selfSet, 1);
  EXPECT_EQ(doc.Face().LastIndex(), 0) << "naming the user adds no face";

  EXPECT_EQ(doc.Drop({100, 100}, Sjis("南瓜 花子,女,20"), engine), DropOutcome::FaceAdded);
  EXPECT_EQ(doc.Face().Entry(1).face, (BoardRect{50, 50, 150, 150}));
  EXPECT_FALSE(doc.CanDropAt({120, 120})) << "over another face";
  EXPECT_EQ(doc.Drop({120, 120}, Sjis("林 一,男,20"), engine), DropOutcome::Nothing);
  EXPECT_EQ(doc.Drop({400, 300}, Sjis("林 一,男,20"), engine), DropOutcome::SelfRenamed);
  EXPECT_EQ(Utf8(doc.Face().SelfName()), "林 一");
  doc.DiscardFace(1);
  EXPECT_EQ(doc.Drop({120, 120}, Sjis("林 一,男,20"), engine), DropOutcome::FaceAdded) << "a discarded face is no obstacle";
}

TEST_F(NuvaroDocTest, TheTrashBoxShowsFullWhileAFaceIsInIt) {
  doc.ClearAll();
  EXPECT_FALSE(doc.Trash().full) << "clearing with only the user does nothing";
  doc.Drop({400, 300}, Sjis("桃 太郎,男,30"), engine);
  doc.Drop({100, 100}, Sjis("a b,男,1"), engine);
  doc.Drop({600, 100}, Sjis("c d,男,1"), engine);
  doc.DiscardFace(1);
  EXPECT_EQ(doc.Trash().Picture(), kTrashPictureFull);
  doc.RestoreAll();
  EXPECT_EQ(doc.Trash().Picture(), kTrashPictureEmpty);
  doc.ClearAll();
  EXPECT_TRUE(doc.Trash().full);
}

TEST_F(NuvaroDocTest, DroppedAndMovedFacesStayWhollyOnTheBoard) {
  doc.Drop({400, 300}, Sjis("桃 太郎,男,30"), engine);
  // The board is 800 x 600; a face is 100 x 100 with its 20-pixel plate below.
  struct Case {
    BoardPoint at;  // drop point (the face's centre) and, moved, the face's top-left
    BoardRect dropped;
    BoardRect moved;
  };
  const Case cases[] = {
      {{790, 590}, {700, 480, 800, 580}, {700, 480, 800, 580}},
      {{5, 3}, {0, 0, 100, 100}, {5, 3, 105, 103}},
      {{-40, 300}, {0, 250, 100, 350}, {0, 300, 100, 400}},
      {{200, 560}, {150, 480, 250, 580}, {200, 480, 300, 580}},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(doc.Drop(c.at, Sjis("南瓜 花子,女,20"), engine), DropOutcome::FaceAdded) << c.at.x << "," << c.at.y;
    const int index = doc.Face().LastIndex();
    EXPECT_EQ(doc.Face().Entry(index).face, c.dropped) << c.at.x << "," << c.at.y;
    doc.MoveFace(index, c.at);
    EXPECT_EQ(doc.Face().Entry(index).face, c.moved) << c.at.x << "," << c.at.y;
    EXPECT_EQ(doc.Face().Entry(index).labelTop, c.moved.bottom) << "the plate follows";
    doc.DiscardFace(index);
  }
  // A board too small for a face keeps its top-left corner on the board.
  doc.OnBoardSize(80, 90);
  EXPECT_EQ(doc.KeptOnBoard({30, 40, 130, 140}), (BoardRect{0, 0, 100, 100}));
}

}  // namespace
}  // namespace nuvaro::core
