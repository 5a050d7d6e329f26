#include "core/nuvaro_doc.h"

#include "core/core_texts.h"

namespace nuvaro::core {

std::string CNuvaroDoc::Title() const { return std::string(texts::kDocumentTitle); }

void CNuvaroDoc::OnBoardSetUp() {
  face_.CreateSelf();
  trash_ = TrashBox{};
}

void CNuvaroDoc::OnBoardSize(int clientWidth, int clientHeight) {
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
  face_.AddFace(point.x, point.y, memberText, engine);
  return DropOutcome::FaceAdded;
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
