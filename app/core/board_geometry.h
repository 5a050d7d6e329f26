// Points and rectangles in board view coordinates (pixels).
#pragma once

namespace nuvaro::core {

struct BoardPoint {
  int x = 0;
  int y = 0;
  bool operator==(const BoardPoint&) const = default;
};

// Left and top inside, right and bottom outside.
struct BoardRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool Contains(BoardPoint point) const {
    return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
  }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const BoardRect&) const = default;
};

}  // namespace nuvaro::core
