#include "core/nuvaro_doc.h"

#include <algorithm>

#include "core/core_texts.h"

namespace nuvaro::core {

std::string CNuvaroDoc::Title() const { return std::string(texts::kDocumentTitle); }

void CNuvaroDoc::OnBoardSetUp() {
  face_.CreateSelf();
  trash_ = TrashBox{};
}

void CNuvaroDoc::OnBoardSize(int clientWidth, int clientHeight) {
  clientWidth_ = clientWidth;
  clientHeight_ = clientHeight;
  face_.Recentre(clientWidth, clientHeight);
  if (!trash_.placed) trash_.PlaceInCorner(clientWidth, clientHeight);
}

bool CNuvaroDoc::CanDropAt(BoardPoint point) const {
  if (face_.selfSet == 0) return face_.SelfContains(point);
  return face_.HitTest(point) == 0;
}

DropOutcome CNuvaroDoc::Drop(BoardPoint point, std::string_view memberText, const EngineBinding& engine) {
  if (face_.LastIndex() < 0) return DropOutcome::Nothing;
  if (face_.selfSet == 0) {
    if (!face_.SelfContains(point)) return DropOutcome::Nothing;
    face_.SetSelf(memberText);
    face_.selfSet = 1;
    return DropOutcome::SelfNamed;
  }
  if (face_.SelfContains(point)) {
    face_.SetSelf(memberText);
    return DropOutcome::SelfRenamed;
  }
  if (face_.HitTest(point) != 0) return DropOutcome::Nothing;
  const int index = face_.AddFace(point.x, point.y, memberText, engine);
  face_.SetFaceRect(index, KeptOnBoard(face_.Entry(index).face));
  return DropOutcome::FaceAdded;
}

void CNuvaroDoc::MoveFace(int index, BoardPoint topLeft) {
  if (index <= 0 || index > face_.LastIndex()) return;
  face_.SetFaceRect(index, KeptOnBoard({topLeft.x, topLeft.y, topLeft.x + kFaceWidth, topLeft.y + kFaceHeight}));
}

BoardRect CNuvaroDoc::KeptOnBoard(BoardRect face) const {
  if (clientWidth_ <= 0 || clientHeight_ <= 0) return face;
  // The far edges first, so that an area too small for the face keeps its top-left.
  const int width = std::max(face.Width(), kNamePlateWidth);
  const int height = face.Height() + kNamePlateHeight;
  int dx = std::min(0, clientWidth_ - (face.left + width));
  int dy = std::min(0, clientHeight_ - (face.top + height));
  dx = std::max(dx, -face.left);
  dy = std::max(dy, -face.top);
  return {face.left + dx, face.top + dy, face.right + dx, face.bottom + dy};
}

void CNuvaroDoc::DiscardFace(int index) {
  face_.Discard(index);
  trash_.full = face_.AnyOtherInactive();
}

void CNuvaroDoc::ClearAll() {
  face_.ClearAll();
  trash_.full = face_.AnyOtherInactive();
}

void CNuvaroDoc::RestoreAll() {
  face_.RestoreAll();
  trash_.full = face_.AnyOtherInactive();
}

}  // namespace nuvaro::core
