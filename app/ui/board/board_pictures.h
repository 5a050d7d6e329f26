// The pictures the board draws: the face pictures (strip, index), the trash box in its
// two states and the name plate's three states, read once from the artwork and kept.
#pragma once

#include <QPixmap>

#include <map>
#include <utility>

#include "board/balloon_geometry.h"
#include "core/face_pictures.h"

namespace nuvaro::ui {

class BoardPictures {
 public:
  // Name plate states.
  enum class PlateState { Normal = 0, Pressed = 1, Hover = 2 };

  // A face picture with its magenta turned transparent; null when it cannot be read
  // (the user is told once, "ビットマップの読込みに失敗しました。\nメモリが足りません。").
  QPixmap Face(core::FacePicture picture);
  // Where the picture's drawing begins on the rows the balloons' pointers aim at.
  board::FaceInsets Insets(core::FacePicture picture);
  // The trash box, empty or full.
  QPixmap Trash(bool full);
  // The name plate background.
  QPixmap Plate(PlateState state);

  // The pictures every board shares.
  static BoardPictures& Shared();

 private:
  QPixmap Load(std::string_view key, int frame);

  std::map<std::pair<std::string_view, int>, QPixmap> cache_;
  std::map<std::pair<int, int>, board::FaceInsets> insets_;
  bool failureTold_ = false;
};

}  // namespace nuvaro::ui
