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

}  // namespace
}  // namespace nuvaro::board
