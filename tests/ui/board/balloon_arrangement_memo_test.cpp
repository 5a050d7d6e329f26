// The memo of the balloon arrangement: a board moved on the screen gets the last
// arrangement moved along, anything else a new search, and both answer exactly what a
// new search would.
#include "board/balloon_arrangement_memo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace nuvaro::board {
namespace {

const std::vector<FontStep> kFonts = {{12, 6, 14}, {11, 6, 12}, {10, 5, 11}};
constexpr int kBoardWidth = 700;
constexpr int kBoardHeight = 531;
constexpr int kFaces = 8;

Rect Moved(const Rect& r, Point by) { return {r.left + by.x, r.top + by.y, r.right + by.x, r.bottom + by.y}; }

struct Inputs {
  std::vector<BalloonRequest> requests;
  BalloonScene scene;
};

// A ring of faces around the user on a board whose top-left stands at `origin`.
Inputs Ring(Point origin, const Rect& screen) {
  Inputs in;
  in.scene.board = {origin.x, origin.y, origin.x + kBoardWidth, origin.y + kBoardHeight};
  in.scene.screen = screen;
  const Point centre{origin.x + kBoardWidth / 2, origin.y + kBoardHeight / 2};
  const Rect user{centre.x - 50, centre.y - 50, centre.x + 50, centre.y + 50};
  int last = 12;
  for (int k = 0; k < kFaces; ++k) {
    const double angle = 2 * M_PI * k / kFaces;
    const int x = centre.x + static_cast<int>((kBoardWidth / 2.0 - 60) * std::sin(angle));
    const int y = centre.y - static_cast<int>((kBoardHeight / 2.0 - 80) * std::cos(angle));
    BalloonRequest request;
    request.face = {x - 50, y - 50, x + 50, y + 50};
    request.direction = ClockDirection({user.left, user.top}, {request.face.left, request.face.top}, last);
    request.textBytes = 44 + 12 * (k % 4);
    request.bytesPerLine = BytesPerLine(request.textBytes);
    in.requests.push_back(request);
    in.scene.faces.push_back(request.face);
  }
  in.scene.faces.push_back(user);
  for (const Rect& face : in.scene.faces) in.scene.plates.push_back({face.left, face.bottom, face.right, face.bottom + 20});
  return in;
}

TEST(BalloonArrangementMemo, AMovedBoardReusesTheLastArrangementAndAnyOtherChangeSearchesAgain) {
  const Rect screen{0, 0, 1920, 1080};
  const Rect rightScreen{1920, 0, 3840, 1080};
  struct Case {
    const char* label;
    Point from;
    Rect screenFrom;
    Point to;
    Rect screenTo;
    int grownText;    // bytes added to the first balloon's text
    int movedFace;    // pixels the first face moves to the right on the board
    bool reused;
  };
  const Case cases[] = {
      {"the window moved on the screen", {200, 150}, screen, {611, 287}, screen, 0, 0, true},
      {"a board sync with nothing changed", {200, 150}, screen, {200, 150}, screen, 0, 0, true},
      {"cut by the screen's edge, moved with it to the next screen", {1500, 150}, screen, {3420, 150}, rightScreen,
       0, 0, true},
      {"dragged partly past the screen's edge", {200, 150}, screen, {1500, 150}, screen, 0, 0, false},
      {"a text grew", {200, 150}, screen, {200, 150}, screen, 30, 0, false},
      {"a face moved on the moved board", {200, 150}, screen, {300, 150}, screen, 0, 40, false},
  };
  for (const Case& c : cases) {
    const Inputs first = Ring(c.from, c.screenFrom);
    Inputs second = Ring(c.to, c.screenTo);
    second.requests[0].textBytes += c.grownText;
    second.requests[0].face = Moved(second.requests[0].face, {c.movedFace, 0});
    second.scene.faces[0] = second.requests[0].face;
    second.scene.plates[0] = Moved(second.scene.plates[0], {c.movedFace, 0});

    BalloonArrangementMemo memo;
    const BalloonArrangement before = memo.Arrange(first.requests, kFonts, first.scene);
    const BalloonArrangement after = memo.Arrange(second.requests, kFonts, second.scene);
    const BalloonArrangement fresh = ArrangeBalloons(second.requests, kFonts, second.scene);
    EXPECT_EQ(memo.Searches(), c.reused ? 1 : 2) << c.label;
    EXPECT_TRUE(after == fresh) << c.label;
    // The last arrangement moved along, balloon by balloon: equal where the memo reuses
    // it, and somewhere wrong where it must not.
    const Point by{c.to.x - c.from.x, c.to.y - c.from.y};
    bool sameMoved = before.stacking == fresh.stacking;
    for (std::size_t i = 0; i < fresh.balloons.size(); ++i) {
      const BalloonPlace& was = before.balloons[i].place;
      const BalloonPlace& now = fresh.balloons[i].place;
      sameMoved = sameMoved && now.topLeft == Point{was.topLeft.x + by.x, was.topLeft.y + by.y} &&
                  now.layout == was.layout && before.balloons[i].fontStep == fresh.balloons[i].fontStep;
    }
    EXPECT_EQ(sameMoved, c.reused) << c.label;
  }
}

}  // namespace
}  // namespace nuvaro::board
