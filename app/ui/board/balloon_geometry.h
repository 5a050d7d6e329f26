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
};

// Lays a balloon out for a text of `textBytes` bytes at `bytesPerLine`, with a space of the
// balloon font measuring spaceWidth x spaceHeight. Nothing for an unsupported shape type.
std::optional<BalloonLayout> LayOutBalloon(int shapeType, int textBytes, int bytesPerLine, int spaceWidth,
                                           int spaceHeight);

// Top-left of the window so that the pointer's tip lies on the anchor, then kept on the
// screen (a coordinate before the screen's left or top edge moves onto it; a window
// passing the right or bottom edge is moved back to end exactly at it).
Point PlaceBalloon(const BalloonLayout& layout, Point anchor, const Rect& screen);

}  // namespace nuvaro::board
