// Geometry of the whisper balloons: the clock direction of a face seen from the user's
// face, the balloon's shape type, anchor, outline and placement. Plain integers only, so
// every rule is tested without a screen.
#pragma once

#include <array>
#include <optional>

namespace nuvaro::board {

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const Rect&) const = default;
};

// Bytes per balloon line: short texts get narrow balloons, long ones wide.
inline constexpr int kShortLineBytes = 16;
inline constexpr int kLongLineBytes = 26;
inline constexpr int kLongTextBytes = 80;
// Extra pixels on the pointer's side of the window.
inline constexpr int kPointerLength = 10;

// The clock position (1-12) of the other face seen from the user's face, from the
// faces' top-left corners. `lastDirection` answers when both corners coincide and is
// updated with every computed direction.
int ClockDirection(Point user, Point other, int& lastDirection);

// Shape type for a direction: 1-3 -> 8, 4-6 -> 10, 7-8 -> 4, 9-10 -> 2, 11-12 -> 5.
int ShapeTypeForDirection(int direction);

// Bytes per line for a balloon text of `textBytes` bytes.
int BytesPerLine(int textBytes);

// The point of the face rectangle the balloon's pointer touches, by direction.
Point AnchorPoint(const Rect& face, int direction);

// Everything a balloon window needs for one text: window size, ellipse, text rectangle
// and pointer triangle (tip first), in window coordinates.
struct BalloonLayout {
  int shapeType = 0;
  int lines = 0;
  int width = 0;   // window width
  int height = 0;  // window height
  Rect ellipse;
  Rect text;
  std::array<Point, 3> pointer{};
  bool operator==(const BalloonLayout&) const = default;
};

// Lays a balloon out for a text of `textBytes` bytes at `bytesPerLine`, with a space of the
// balloon font measuring spaceWidth x spaceHeight. The text gets textBytes / bytesPerLine
// + 1 lines, or `brokenLines` when the text's line breaks need more. Nothing for an
// unsupported shape type.
std::optional<BalloonLayout> LayOutBalloon(int shapeType, int textBytes, int bytesPerLine, int spaceWidth,
                                           int spaceHeight, int brokenLines = 0);

// Top-left of the window so that the pointer's tip lies on the anchor, then kept on the
// screen (a coordinate before the screen's left or top edge moves onto it; a window
// passing the right or bottom edge is moved back to end exactly at it).
Point PlaceBalloon(const BalloonLayout& layout, Point anchor, const Rect& screen);

// The face pictures leave a margin inside their 100 x 100 box. The anchors move inward
// by the margin of the face's own picture on the anchor's row, so that the pointer's tip
// reaches the drawn face: at half height (directions 1-4, 9, 10), a quarter (11, 12) and
// three quarters (5-8). At most this far, so the balloon's ellipse stays off the face.
inline constexpr int kMaxDrawnInsetHalf = 18;
inline constexpr int kMaxDrawnInsetQuarter = 28;
inline constexpr int kMaxDrawnInsetThreeQuarters = 30;
// The middle of a face box that no balloon may cover: the box less this on each side.
inline constexpr int kFaceCoreInset = 22;

// Where a face picture's drawing begins on the anchors' rows, from the box's left or
// right edge.
struct FaceInsets {
  int leftQuarter = kMaxDrawnInsetQuarter;
  int leftHalf = kMaxDrawnInsetHalf;
  int rightHalf = kMaxDrawnInsetHalf;
  int leftThreeQuarters = kMaxDrawnInsetThreeQuarters;
  int rightThreeQuarters = kMaxDrawnInsetThreeQuarters;
  bool operator==(const FaceInsets&) const = default;
};

// AnchorPoint moved inward onto the drawn face (each inset kept between 0 and its
// maximum).
Point DrawnAnchorPoint(const Rect& face, int direction, const FaceInsets& insets = {});

// True when the ellipse inscribed in `ellipse` shares a point with the inside of `rect`.
bool EllipseOverlapsRect(const Rect& ellipse, const Rect& rect);

// The clock direction seen in a mirror: left and right swapped (3 <-> 9), top and bottom
// swapped (12 <-> 6), or both.
int MirroredDirection(int direction, bool leftRight, bool topBottom);

// Where one face's balloon stands, in screen coordinates.
struct BalloonPlace {
  int direction = 0;  // the direction the balloon is shaped for
  Point anchor;
  Point topLeft;
  BalloonLayout layout;
  bool operator==(const BalloonPlace&) const = default;
};

// Places the balloon of a face seen in `direction`: shaped for that direction, with the
// pointer's tip on the drawn face, then kept inside the board (each axis on which the
// balloon is larger than the board is kept on the screen instead). When keeping it there
// pushes its ellipse onto the middle of its own face, the balloon goes to the face's
// other side, mirrored left-right, then top-bottom, then both; when every side covers the
// face, the first placement stands. Nothing for an unsupported shape type.
std::optional<BalloonPlace> PlaceBalloonBesideFace(int direction, int textBytes, int bytesPerLine, int spaceWidth,
                                                   int spaceHeight, int brokenLines, const Rect& face,
                                                   const FaceInsets& insets, const Rect& board, const Rect& screen);

}  // namespace nuvaro::board
