#include "core/face.h"

#include "core/core_texts.h"
#include "core/cp932_text.h"
#include "core/engine_binding.h"
#include "core/member.h"

namespace nuvaro::core {
namespace {

void FollowPlate(FaceEntry& entry) {
  entry.labelLeft = entry.face.left;
  entry.labelTop = entry.face.bottom;
}

}  // namespace

void CFace::CreateSelf() {
  faceWidth = kFaceWidth;
  faceHeight = kFaceHeight;
  created = 0;
  entries_.clear();
  FaceEntry self;
  self.id = 0;
  self.active = 1;
  self.face = {0, 0, kFaceWidth, kFaceHeight};
  FollowPlate(self);
  self.name = std::string(texts::kUnnamedSelf);
  self.picture = {kPortraitStrip, kUnnamedPortrait};
  self.balloonText = std::string(texts::kNoWhisperYet);
  entries_.push_back(std::move(self));
  created = 1;
}

void CFace::SetSelf(std::string_view memberText) {
  if (entries_.empty()) CreateSelf();
  ParsedMemberText parsed = ParseMemberText(memberText);
  FaceEntry& self = entries_.front();
  self.name = CutText(parsed.name, kFaceNameBytes);
  self.isMale = parsed.isMale ? 1 : 0;
  self.age = parsed.age;
  self.picture = {kPortraitStrip, FaceGroup(parsed.isMale, parsed.age)};
}

int CFace::AddFace(int x, int y, std::string_view memberText, const EngineBinding& engine) {
  ParsedMemberText parsed = ParseMemberText(memberText);
  NameParts parts = SplitFullName(parsed.name);
  SoulRecord record = SoulRecordForName(parts.surname, parts.givenName, kFaceNameBytes);
  engine.CalculateSoul(record);  // a name that cannot be read keeps its sums at 0
  FaceEntry entry;
  entry.id = created;
  entry.active = 1;
  entry.face = {x - kFaceWidth / 2, y - kFaceHeight / 2, x + kFaceWidth / 2, y + kFaceHeight / 2};
  FollowPlate(entry);
  entry.name = CutText(parsed.name, kFaceNameBytes);
  entry.isMale = parsed.isMale ? 1 : 0;
  entry.age = parsed.age;
  entry.picture = {FaceGroup(parsed.isMale, parsed.age), FaceExpression(record)};
  entry.balloonText = std::string(texts::kNoWhisperYet);
  entry.speaking = 0;
  entries_.push_back(std::move(entry));
  ++created;
  return LastIndex();
}

std::string CFace::Name(int index) const {
  return index >= 0 && index <= LastIndex() ? Entry(index).name : std::string();
}

int CFace::IsMale(int index) const { return index >= 0 && index <= LastIndex() ? Entry(index).isMale : 0; }

int CFace::Age(int index) const { return index >= 0 && index <= LastIndex() ? Entry(index).age : 0; }

int CFace::IsActive(int index) const { return index >= 0 && index <= LastIndex() ? Entry(index).active : 0; }

std::string CFace::SelfName() const {
  return IsSelfUnnamed() ? std::string() : entries_.front().name;
}

bool CFace::IsSelfUnnamed() const { return entries_.empty() || entries_.front().name == texts::kUnnamedSelf; }

std::string CFace::NameOfId(int id) const {
  for (const FaceEntry& entry : entries_) {
    if (entry.active != 0 && entry.id == id) return entry.name;
  }
  return {};
}

int CFace::IsMaleOfId(int id) const {
  for (int i = 1; i <= LastIndex(); ++i) {
    if (Entry(i).active != 0 && Entry(i).id == id) return Entry(i).isMale;
  }
  return 1;
}

bool CFace::SelfContains(BoardPoint point) const {
  return !entries_.empty() && entries_.front().face.Contains(point);
}

int CFace::HitTest(BoardPoint point) const {
  for (int i = 1; i <= LastIndex(); ++i) {
    if (Entry(i).active != 0 && Entry(i).face.Contains(point)) return i;
  }
  return 0;
}

void CFace::SetFaceRect(int index, BoardRect rect) {
  if (index < 0 || index > LastIndex()) return;
  FaceEntry& entry = Entry(index);
  entry.face = rect;
  FollowPlate(entry);
}

void CFace::ShiftFace(int index, int dx, int dy) {
  if (index < 0 || index > LastIndex()) return;
  BoardRect rect = Entry(index).face;
  SetFaceRect(index, {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy});
}

void CFace::Recentre(int clientWidth, int clientHeight) {
  if (entries_.empty()) return;
  const BoardRect self = entries_.front().face;
  const int dLeft = clientWidth / 2 - kFaceWidth / 2 - self.left;
  const int dTop = clientHeight / 2 - kFaceHeight / 2 - self.top;
  const int dRight = clientWidth / 2 + kFaceWidth / 2 - self.right;
  const int dBottom = clientHeight / 2 + kFaceHeight / 2 - self.bottom;
  for (FaceEntry& entry : entries_) {
    entry.face = {entry.face.left + dLeft, entry.face.top + dTop, entry.face.right + dRight,
                  entry.face.bottom + dBottom};
    FollowPlate(entry);
  }
}

void CFace::Discard(int index) {
  if (LastIndex() <= 0 || index < 1 || index > LastIndex()) return;
  Entry(index).active = 0;
}

void CFace::SetOthersActive(bool active) {
  for (int i = 1; i <= LastIndex(); ++i) Entry(i).active = active ? 1 : 0;
}

bool CFace::AnyOtherInactive() const {
  for (int i = 1; i <= LastIndex(); ++i) {
    if (Entry(i).active == 0) return true;
  }
  return false;
}

void CFace::SetSpeaking(bool speaking) {
  for (int i = 1; i <= LastIndex(); ++i) Entry(i).speaking = speaking ? 1 : 0;
}

void CFace::ClearAll() {
  if (LastIndex() <= 0) return;
  SetOthersActive(false);
  SetSpeaking(false);
  whispering = 0;
}

void CFace::RestoreAll() {
  if (LastIndex() <= 0) return;
  SetOthersActive(true);
  SetSpeaking(whispering != 0);
}

}  // namespace nuvaro::core
