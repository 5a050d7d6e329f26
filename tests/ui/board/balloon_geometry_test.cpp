#include "board/balloon_geometry.h"

#include <gtest/gtest.h>

namespace nuvaro::board {
namespace {

TEST(ClockDirection, QuadrantsAndSteepnessBands) {
  const Point user{300, 300};
  struct Case {
    Point other;
    int direction;
  };
  const Case cases[] = {
      // right of the user, same top: dy 0 counts as 1, r = 0
      {{500, 300}, 3}, {{400, 250}, 2}, {{400, 200}, 2}, {{400, 199}, 1}, {{310, 290}, 2}, {{400, 0}, 1}, {{301, 296}, 12},
      {{301, 200}, 12}, {{300, 100}, 12},
      // right and below
      {{500, 350}, 3}, {{400, 400}, 4}, {{400, 401}, 5}, {{350, 500}, 6}, {{400, 670}, 5}, {{310, 500}, 6},
      // left and below
      {{100, 300 + 54}, 9}, {{100, 300 + 56}, 8}, {{200, 400}, 8}, {{200, 401}, 7}, {{290, 500}, 6},
      // left and above (dx >= 0, dy >= 0)
      {{100, 300}, 9}, {{100, 246}, 9}, {{100, 244}, 10}, {{200, 200}, 10}, {{200, 199}, 11}, {{290, 100}, 12},
  };
  for (const Case& c : cases) {
    int last = 12;
    EXPECT_EQ(ClockDirection(user, c.other, last), c.direction) << c.other.x << "," << c.other.y;
    EXPECT_EQ(last, c.direction);
  }
}

TEST(ClockDirection, SamePlaceAnswersTheLastComputedDirection) {
  int last = 12;
  EXPECT_EQ(ClockDirection({10, 10}, {10, 10}, last), 12);
  EXPECT_EQ(ClockDirection({10, 10}, {200, 10}, last), 3);
  EXPECT_EQ(ClockDirection({10, 10}, {10, 10}, last), 3);
}

TEST(BalloonRules, ShapeTypesBytesPerLineAndAnchors) {
  const int shapes[13] = {0, 8, 8, 8, 10, 10, 10, 4, 4, 2, 2, 5, 5};
  for (int d = 1; d <= 12; ++d) EXPECT_EQ(ShapeTypeForDirection(d), shapes[d]) << d;
  EXPECT_EQ(BytesPerLine(80), 16);
  EXPECT_EQ(BytesPerLine(81), 26);
  EXPECT_EQ(BytesPerLine(0), 16);

  const Rect face{100, 200, 200, 301};  // height 101: divisions truncate
  EXPECT_EQ(AnchorPoint(face, 3), (Point{200, 250}));
  EXPECT_EQ(AnchorPoint(face, 4), (Point{200, 250}));
  EXPECT_EQ(AnchorPoint(face, 5), (Point{200, 275}));
  EXPECT_EQ(AnchorPoint(face, 8), (Point{100, 275}));
  EXPECT_EQ(AnchorPoint(face, 9), (Point{100, 250}));
  EXPECT_EQ(AnchorPoint(face, 12), (Point{100, 225}));
}

TEST(LayOutBalloon, SizesFromTheMeasuredFontWithMinimums) {
  // 20 bytes at 16 per line with a 6 x 12 space: W = 96, 2 lines, H = 24 -> 40.
  auto layout = LayOutBalloon(8, 20, 16, 6, 12);
  ASSERT_TRUE(layout);
  const int mx = static_cast<int>(96 * 0.5 * 0.7071085623775818 + 0.5);  // 34
  const int my = static_cast<int>(40 * 0.5 * 0.7071085623775818 + 0.5);  // 14
  EXPECT_EQ(mx, 34);
  EXPECT_EQ(my, 14);
  EXPECT_EQ(layout->lines, 2);
  EXPECT_EQ(layout->width, 96 + 2 * mx + 10);
  EXPECT_EQ(layout->height, 40 + 2 * my);
  EXPECT_EQ(layout->ellipse, (Rect{10, 0, 96 + 2 * mx + 10, 40 + 2 * my}));
  EXPECT_EQ(layout->text, (Rect{mx + 10, my, 96 + mx + 10, 40 + my}));
  EXPECT_EQ(layout->pointer[0], (Point{0, layout->height / 2 + 10}));

  // A short text still gets the minimum 60 x 40 text area.
  auto tiny = LayOutBalloon(5, 2, 16, 6, 12);
  ASSERT_TRUE(tiny);
  EXPECT_EQ(tiny->lines, 1);
  EXPECT_EQ(tiny->text.Width(), 60);
  EXPECT_EQ(tiny->text.Height(), 40);
  EXPECT_EQ(tiny->height, tiny->ellipse.Height() + 10);
}

TEST(LayOutBalloon, EveryShapeTypeKeepsItsPointerOnTheRightSide) {
  struct Case {
    int shape;
    bool pointerAtTop, pointerAtRight, pointerAtBottom, pointerAtLeft;
  };
  for (Case c : {Case{1, true, false, false, false}, Case{11, true, false, false, false},
                 Case{2, false, true, false, false}, Case{4, false, true, false, false},
                 Case{5, false, false, true, false}, Case{7, false, false, true, false},
                 Case{8, false, false, false, true}, Case{10, false, false, false, true}}) {
    auto layout = LayOutBalloon(c.shape, 30, 16, 6, 12);
    ASSERT_TRUE(layout) << c.shape;
    const Point tip = layout->pointer[0];
    EXPECT_EQ(tip.y == 0, c.pointerAtTop) << c.shape;
    EXPECT_EQ(tip.x == layout->width, c.pointerAtRight) << c.shape;
    EXPECT_EQ(tip.y == layout->height, c.pointerAtBottom) << c.shape;
    EXPECT_EQ(tip.x == 0, c.pointerAtLeft) << c.shape;
    // The ellipse leaves exactly the pointer's 10 pixels free on that side.
    EXPECT_EQ(layout->ellipse.Width() + (c.pointerAtLeft || c.pointerAtRight ? 10 : 0), layout->width);
    EXPECT_EQ(layout->ellipse.Height() + (c.pointerAtTop || c.pointerAtBottom ? 10 : 0), layout->height);
  }
  for (int unsupported : {0, 3, 6, 9, 12}) EXPECT_FALSE(LayOutBalloon(unsupported, 30, 16, 6, 12)) << unsupported;
}

TEST(PlaceBalloon, TipOnTheAnchorThenKeptOnScreen) {
  const Rect screen{0, 0, 800, 600};
  for (int shape : {1, 11, 2, 4, 5, 7, 8, 10}) {
    auto layout = LayOutBalloon(shape, 30, 16, 6, 12);
    ASSERT_TRUE(layout);
    const Point anchor{400, 300};
    const Point topLeft = PlaceBalloon(*layout, anchor, screen);
    EXPECT_EQ(topLeft.x + layout->pointer[0].x, anchor.x) << shape;
    EXPECT_EQ(topLeft.y + layout->pointer[0].y, anchor.y) << shape;
  }
  auto layout = LayOutBalloon(2, 30, 16, 6, 12);
  EXPECT_EQ(PlaceBalloon(*layout, {5, 5}, screen), (Point{0, 0}));
  // A second screen to the right of the first keeps the balloon on itself.
  EXPECT_EQ(PlaceBalloon(*layout, {1605, 5}, Rect{1600, 0, 2400, 600}), (Point{1600, 0}));
  auto right = LayOutBalloon(8, 30, 16, 6, 12);
  const Point pushed = PlaceBalloon(*right, {790, 595}, screen);
  EXPECT_EQ(pushed.x + right->width, 800);
  EXPECT_EQ(pushed.y + right->height, 600);
}

TEST(PlaceBalloonBesideFace, BesideItsFaceInsideTheBoardAndNeverOverIt) {
  const Rect screen{0, 0, 1920, 1080};
  const Rect board{100, 100, 900, 700};  // the board, 800 x 600, on the screen
  auto covers = [](const BalloonPlace& place, const Rect& face) {
    const Rect ellipse{place.topLeft.x + place.layout.ellipse.left, place.topLeft.y + place.layout.ellipse.top,
                       place.topLeft.x + place.layout.ellipse.right, place.topLeft.y + place.layout.ellipse.bottom};
    return EllipseOverlapsRect(ellipse, {face.left + kFaceCoreInset, face.top + kFaceCoreInset,
                                         face.right - kFaceCoreInset, face.bottom - kFaceCoreInset});
  };
  struct Case {
    Point faceTopLeft;
    int direction;
    int shownDirection;  // after mirroring
  };
  const Case cases[] = {
      // Room everywhere: every direction keeps its side, the tip on the drawn face.
      {{450, 350}, 1, 1},   {{450, 350}, 2, 2},   {{450, 350}, 3, 3},   {{450, 350}, 4, 4},
      {{450, 350}, 5, 5},   {{450, 350}, 6, 6},   {{450, 350}, 7, 7},   {{450, 350}, 8, 8},
      {{450, 350}, 9, 9},   {{450, 350}, 10, 10}, {{450, 350}, 11, 11}, {{450, 350}, 12, 12},
      // At the board's right edge a balloon to the right would be pushed onto its face.
      {{800, 350}, 3, 9},   {{800, 350}, 4, 8},
      // At the left edge and in the top-left corner, the other side.
      {{100, 350}, 9, 3},   {{100, 100}, 12, 6},  {{100, 100}, 11, 1},
  };
  for (const Case& c : cases) {
    const Rect face{c.faceTopLeft.x, c.faceTopLeft.y, c.faceTopLeft.x + 100, c.faceTopLeft.y + 100};
    auto place = PlaceBalloonBesideFace(c.direction, 60, 16, 6, 12, 4, face, {}, board, screen);
    ASSERT_TRUE(place) << c.direction;
    EXPECT_EQ(place->direction, c.shownDirection) << c.direction << " at " << face.left << "," << face.top;
    EXPECT_EQ(place->layout.shapeType, ShapeTypeForDirection(c.shownDirection));
    EXPECT_FALSE(covers(*place, face)) << c.direction << " at " << face.left << "," << face.top;
    EXPECT_GE(place->topLeft.x, board.left);
    EXPECT_GE(place->topLeft.y, board.top);
    EXPECT_LE(place->topLeft.x + place->layout.width, board.right);
    EXPECT_LE(place->topLeft.y + place->layout.height, board.bottom);
    if (c.faceTopLeft == Point{450, 350}) {
      const Point tip{place->topLeft.x + place->layout.pointer[0].x, place->topLeft.y + place->layout.pointer[0].y};
      EXPECT_EQ(tip, DrawnAnchorPoint(face, c.direction)) << c.direction;
      EXPECT_GT(tip.x, face.left) << "the tip is inside the face's box";
      EXPECT_LT(tip.x, face.right);
    }
  }
  // A board smaller than the balloon: on that axis the screen keeps it instead.
  const Rect narrow{100, 100, 200, 700};
  auto place = PlaceBalloonBesideFace(3, 60, 16, 6, 12, 4, {100, 350, 200, 450}, {}, narrow, screen);
  ASSERT_TRUE(place);
  EXPECT_GT(place->topLeft.x + place->layout.width, narrow.right);
  EXPECT_LE(place->topLeft.x + place->layout.width, screen.right);
  EXPECT_GE(place->topLeft.y, narrow.top);
}

TEST(PlaceBalloonBesideFace, MirrorsAndInsetsAreBounded) {
  const int mirrors[][4] = {{3, 9, 3, 9}, {12, 12, 6, 6}, {1, 11, 5, 7}, {4, 8, 2, 10}, {6, 6, 12, 12}};
  for (const auto& m : mirrors) {
    EXPECT_EQ(MirroredDirection(m[0], true, false), m[1]) << m[0];
    EXPECT_EQ(MirroredDirection(m[0], false, true), m[2]) << m[0];
    EXPECT_EQ(MirroredDirection(m[0], true, true), m[3]) << m[0];
  }
  const Rect face{0, 0, 100, 100};
  FaceInsets wide;  // a picture with nothing drawn on a row is not reached past the maximum
  wide.rightHalf = 90;
  wide.leftQuarter = -5;
  EXPECT_EQ(DrawnAnchorPoint(face, 3, wide), (Point{100 - kMaxDrawnInsetHalf, 50}));
  EXPECT_EQ(DrawnAnchorPoint(face, 12, wide), (Point{0, 25}));
  EXPECT_TRUE(EllipseOverlapsRect({0, 0, 100, 50}, {90, 20, 120, 30}));
  EXPECT_FALSE(EllipseOverlapsRect({0, 0, 100, 50}, {95, 0, 120, 5})) << "the box's corner lies outside the ellipse";
}

}  // namespace
}  // namespace nuvaro::board
