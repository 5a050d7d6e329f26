// The layout pass over all balloons, tested as geometry: boards of faces in rings and at
// random, at the board sizes of the default and the smallest main window, counting the
// text pixels that another balloon covers or the board's edge cuts, pixel by pixel.
#include "board/balloon_arrangement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace nuvaro::board {
namespace {

// The board's client size in the main window at its default size and at its smallest
// (measured on the program's frame with the board's bars shown).
struct BoardSize {
  const char* name;
  int width;
  int height;
};
constexpr BoardSize kDefaultBoard{"default", 700, 531};
constexpr BoardSize kSmallestBoard{"smallest", 540, 411};

// The balloon font at 12, 11 and 10 pixels (the fonts' measured half-width spaces).
const std::vector<FontStep> kFonts = {{12, 6, 14}, {11, 6, 12}, {10, 5, 11}};

// Byte counts of real balloon texts: short, middling, long (wide) ones in turn.
constexpr int kTextBytes[] = {56, 74, 44, 90, 62, 78};

const Rect kScreen{0, 0, 1920, 1080};
const Point kBoardOrigin{200, 150};

struct Board {
  Rect board;
  Rect user;
  std::vector<Rect> others;
};

Rect FaceAt(int centreX, int centreY) { return {centreX - 50, centreY - 50, centreX + 50, centreY + 50}; }

Board EmptyBoard(const BoardSize& size) {
  Board b;
  b.board = {kBoardOrigin.x, kBoardOrigin.y, kBoardOrigin.x + size.width, kBoardOrigin.y + size.height};
  b.user = FaceAt(b.board.left + size.width / 2, b.board.top + size.height / 2);
  return b;
}

// n faces on an ellipse around the user, from 12 o'clock clockwise, face and plate on
// the board.
Board Ring(const BoardSize& size, int n) {
  Board b = EmptyBoard(size);
  const double rx = size.width / 2.0 - 60;
  const double ry = size.height / 2.0 - 80;
  const double cx = (b.user.left + b.user.right) / 2.0;
  const double cy = (b.user.top + b.user.bottom) / 2.0;
  for (int k = 0; k < n; ++k) {
    const double angle = 2 * M_PI * k / n;
    b.others.push_back(FaceAt(static_cast<int>(cx + rx * std::sin(angle)), static_cast<int>(cy - ry * std::cos(angle))));
  }
  return b;
}

bool Apart(const Rect& a, const Rect& b) {
  // Faces with their plates below do not touch.
  return a.right <= b.left || b.right <= a.left || a.bottom + 20 <= b.top || b.bottom + 20 <= a.top;
}

// n faces dropped at random where no face stands yet, face and plate on the board.
Board Random(const BoardSize& size, int n, unsigned seed) {
  Board b = EmptyBoard(size);
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> x(b.board.left + 50, b.board.right - 50);
  std::uniform_int_distribution<int> y(b.board.top + 50, b.board.bottom - 70);
  for (int tries = 0; static_cast<int>(b.others.size()) < n && tries < 10000; ++tries) {
    const Rect face = FaceAt(x(random), y(random));
    bool apart = Apart(face, b.user);
    for (const Rect& other : b.others) apart = apart && Apart(face, other);
    if (apart) b.others.push_back(face);
  }
  return b;
}

BalloonArrangement Arrange(const Board& b) {
  BalloonScene scene;
  scene.board = b.board;
  scene.screen = kScreen;
  std::vector<Rect> all = b.others;
  all.push_back(b.user);
  for (const Rect& face : all) {
    scene.faces.push_back(face);
    scene.plates.push_back({face.left, face.bottom, face.right, face.bottom + 20});
  }
  std::vector<BalloonRequest> requests;
  int last = 12;
  for (std::size_t i = 0; i < b.others.size(); ++i) {
    BalloonRequest request;
    request.direction = ClockDirection({b.user.left, b.user.top}, {b.others[i].left, b.others[i].top}, last);
    request.textBytes = kTextBytes[i % std::size(kTextBytes)];
    request.bytesPerLine = BytesPerLine(request.textBytes);
    request.brokenLines = request.textBytes / request.bytesPerLine + 1;
    request.face = b.others[i];
    requests.push_back(request);
  }
  return ArrangeBalloons(requests, kFonts, scene);
}

// Pixel centres, tested against the outline as the window's shape is drawn: inside the
// ellipse, or inside the pointer's triangle.
bool InEllipse(const Rect& e, double x, double y) {
  const double dx = (x - (e.left + e.right) / 2.0) / (e.Width() / 2.0);
  const double dy = (y - (e.top + e.bottom) / 2.0) / (e.Height() / 2.0);
  return dx * dx + dy * dy < 1.0;
}

bool InTriangle(const std::array<Point, 3>& t, Point offset, double x, double y) {
  auto side = [&](const Point& a, const Point& b) {
    return (b.x - a.x) * (y - (a.y + offset.y)) - (b.y - a.y) * (x - (a.x + offset.x));
  };
  const double s0 = side(t[0], t[1]), s1 = side(t[1], t[2]), s2 = side(t[2], t[0]);
  return (s0 >= 0 && s1 >= 0 && s2 >= 0) || (s0 <= 0 && s1 <= 0 && s2 <= 0);
}

// Text pixels of every balloon that a balloon stacked above it covers or that lie off
// the board.
int CoveredTextPixels(const BalloonArrangement& a, const Rect& board) {
  int covered = 0;
  for (std::size_t level = 0; level < a.stacking.size(); ++level) {
    const BalloonPlace& under = a.balloons[static_cast<std::size_t>(a.stacking[level])].place;
    const Rect text = ScreenText(under);
    for (int y = text.top; y < text.bottom; ++y) {
      for (int x = text.left; x < text.right; ++x) {
        const double px = x + 0.5, py = y + 0.5;
        bool hidden = x < board.left || x >= board.right || y < board.top || y >= board.bottom;
        for (std::size_t above = level + 1; above < a.stacking.size() && !hidden; ++above) {
          const BalloonPlace& top = a.balloons[static_cast<std::size_t>(a.stacking[above])].place;
          hidden = InEllipse(ScreenEllipse(top), px, py) || InTriangle(top.layout.pointer, top.topLeft, px, py);
        }
        covered += hidden ? 1 : 0;
      }
    }
  }
  return covered;
}

// Every balloon stands beside its own face: its ellipse off the face's middle, its
// pointer's tip on the face's box or at most 20 pixels out along its direction.
void ExpectBesideItsFace(const Board& b, const BalloonArrangement& a, const std::string& label) {
  for (std::size_t i = 0; i < b.others.size(); ++i) {
    const BalloonPlace& place = a.balloons[i].place;
    const Rect& face = b.others[i];
    EXPECT_FALSE(EllipseOverlapsRect(ScreenEllipse(place), {face.left + kFaceCoreInset, face.top + kFaceCoreInset,
                                                            face.right - kFaceCoreInset, face.bottom - kFaceCoreInset}))
        << label << " balloon " << i;
    const Point tip{place.topLeft.x + place.layout.pointer[0].x, place.topLeft.y + place.layout.pointer[0].y};
    EXPECT_TRUE(tip.x >= face.left - 20 && tip.x <= face.right + 20 && tip.y >= face.top - 20 && tip.y <= face.bottom)
        << label << " balloon " << i << " tip " << tip.x << "," << tip.y;
  }
}

TEST(ArrangeBalloons, RingsAndRandomBoardsShowEveryTextWhole) {
  struct Case {
    BoardSize size;
    int faces;
  };
  const Case rings[] = {{kDefaultBoard, 4},  {kDefaultBoard, 8},  {kDefaultBoard, 10}, {kDefaultBoard, 12},
                        {kSmallestBoard, 4}, {kSmallestBoard, 8}, {kSmallestBoard, 10}, {kSmallestBoard, 12}};
  for (const Case& c : rings) {
    const Board b = Ring(c.size, c.faces);
    const std::string label = std::string(c.size.name) + " ring of " + std::to_string(c.faces);
    const BalloonArrangement a = Arrange(b);
    ASSERT_EQ(a.stacking.size(), b.others.size()) << label;
    EXPECT_EQ(CoveredTextPixels(a, b.board), 0) << label;
    ExpectBesideItsFace(b, a, label);
  }
  for (const BoardSize& size : {kDefaultBoard, kSmallestBoard}) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
      const Board b = Random(size, size.width == kDefaultBoard.width ? 10 : 8, seed);
      const std::string label = std::string(size.name) + " random board " + std::to_string(seed);
      const BalloonArrangement a = Arrange(b);
      EXPECT_EQ(CoveredTextPixels(a, b.board), 0) << label;
      ExpectBesideItsFace(b, a, label);
    }
  }
}

TEST(ArrangeBalloons, WithRoomABalloonKeepsItsOwnPlace) {
  // One face at a time around the user on a large board, nothing near it: the balloon
  // keeps its direction, its font and its pointer on the drawn face.
  for (int hour = 0; hour < 12; ++hour) {
    Board b = EmptyBoard({"large", 1200, 900});
    const double angle = M_PI * hour / 6;
    b.others = {FaceAt((b.user.left + b.user.right) / 2 + static_cast<int>(300 * std::sin(angle)),
                       (b.user.top + b.user.bottom) / 2 - static_cast<int>(230 * std::cos(angle)))};
    const BalloonArrangement a = Arrange(b);
    int last = 12;
    const int direction = ClockDirection({b.user.left, b.user.top}, {b.others[0].left, b.others[0].top}, last);
    EXPECT_EQ(a.balloons[0].place.direction, direction) << hour;
    EXPECT_EQ(a.balloons[0].fontStep, 0) << hour;
    EXPECT_EQ(a.balloons[0].place.anchor, DrawnAnchorPoint(b.others[0], direction)) << hour;
    EXPECT_TRUE(a.balloons[0].clear) << hour;
  }
}

TEST(ArrangeBalloons, WithoutRoomTheUnclearBalloonsStandUnderTheClearOnes) {
  // Twelve faces in a ring on a board smaller than the window allows stand on each
  // other: there is no room for every text, and none is hidden by an unclear one.
  const Board b = Ring({"cramped", 420, 340}, 12);
  const BalloonArrangement a = Arrange(b);
  ASSERT_EQ(a.stacking.size(), b.others.size());
  bool seenClear = false;
  int unclear = 0;
  for (int index : a.stacking) {
    const bool clear = a.balloons[static_cast<std::size_t>(index)].clear;
    EXPECT_FALSE(seenClear && !clear) << "an unclear balloon above a clear one";
    seenClear = seenClear || clear;
    unclear += clear ? 0 : 1;
  }
  EXPECT_GT(unclear, 0);
}

}  // namespace
}  // namespace nuvaro::board
