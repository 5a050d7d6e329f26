// The board document: the faces and the trash box that the guide menu and the board
// views share. Nothing is stored on disk; the board starts empty at every run.
#pragma once

#include <string>
#include <string_view>

#include "core/board_geometry.h"
#include "core/face.h"
#include "core/trash_box.h"

namespace nuvaro::core {

class EngineBinding;

// What a member text dropped on the board did.
enum class DropOutcome {
  Nothing,      // outside the user's face before it was named, or on another face
  SelfNamed,    // the first drop on the user's face
  SelfRenamed,  // a later drop on the user's face: recompute the whispers if they are on
  FaceAdded,    // a new face at the point: recompute the whispers if they are on
};

class CNuvaroDoc {
 public:
  CNuvaroDoc() = default;

  // Always "ヌヴァロ君" (CP932), whatever name the framework offers.
  std::string Title() const;

  CFace& Face() { return face_; }
  const CFace& Face() const { return face_; }
  TrashBox& Trash() { return trash_; }
  const TrashBox& Trash() const { return trash_; }

  // The board view is set up: makes the user's face, the trash box empty and not placed.
  void OnBoardSetUp();
  // The board view got a new client size: re-centres the faces; the first time also
  // places the trash box in the bottom-right corner.
  void OnBoardSize(int clientWidth, int clientHeight);

  // True when a dragged member may be dropped at the point: onto the user's face while
  // it is unnamed; once named, anywhere not over another face.
  bool CanDropAt(BoardPoint point) const;
  // A member text dropped at the point. A new face lands wholly on the board.
  DropOutcome Drop(BoardPoint point, std::string_view memberText, const EngineBinding& engine);

  // Moves another face so that its top-left is at the point, kept wholly on the board.
  void MoveFace(int index, BoardPoint topLeft);
  // The face rectangle moved the least so that the face and its name plate stand wholly
  // inside the board's client area (as far as the area can hold them; unchanged before
  // the board has a size).
  BoardRect KeptOnBoard(BoardRect face) const;

  // Discarding and restoring; the trash box shows full exactly while some face is in it.
  void DiscardFace(int index);
  void ClearAll();
  void RestoreAll();
  void SetTrashEmpty() { trash_.full = false; }

 private:
  CFace face_;
  TrashBox trash_;
  int clientWidth_ = 0;  // the board's client size, 0 before its first size event
  int clientHeight_ = 0;
};

}  // namespace nuvaro::core
