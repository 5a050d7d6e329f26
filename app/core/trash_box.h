// The trash box of the board: a 58 x 58 picture (empty or full) at a top-left position,
// placed 10 pixels from the bottom-right corner on the board's first size event.
#pragma once

#include "core/board_geometry.h"

namespace nuvaro::core {

inline constexpr int kTrashBoxSize = 58;
inline constexpr int kTrashBoxCornerMargin = 10;
// The hit area is the picture enlarged by this much on every side.
inline constexpr int kTrashBoxHitMargin = 32;
// Picture numbers of the two states.
inline constexpr int kTrashPictureEmpty = 0;
inline constexpr int kTrashPictureFull = 1;

struct TrashBox {
  BoardPoint topLeft;
  bool full = false;      // shows picture 1
  bool placed = false;    // false until the first size event placed it

  int Picture() const { return full ? kTrashPictureFull : kTrashPictureEmpty; }
  BoardRect PictureRect() const {
    return {topLeft.x, topLeft.y, topLeft.x + kTrashBoxSize, topLeft.y + kTrashBoxSize};
  }
  // From (x - 32, y - 32) to (x + 90, y + 90).
  BoardRect HitArea() const {
    return {topLeft.x - kTrashBoxHitMargin, topLeft.y - kTrashBoxHitMargin,
            topLeft.x + kTrashBoxSize + kTrashBoxHitMargin, topLeft.y + kTrashBoxSize + kTrashBoxHitMargin};
  }
  bool Hit(BoardPoint point) const { return HitArea().Contains(point); }
  // 10 pixels from the bottom-right corner of a client area of that size.
  void PlaceInCorner(int clientWidth, int clientHeight) {
    topLeft = {clientWidth - kTrashBoxSize - kTrashBoxCornerMargin,
               clientHeight - kTrashBoxSize - kTrashBoxCornerMargin};
    placed = true;
  }
  // Dropped at a point after being grabbed at an offset from its top-left corner.
  void MoveTo(BoardPoint drop, BoardPoint grabOffset) {
    topLeft = {drop.x - grabOffset.x, drop.y - grabOffset.y};
  }
};

}  // namespace nuvaro::core
