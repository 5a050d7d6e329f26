// The people on the board: the user's face at index 0 and the other faces from index 1
// in order of arrival. Entries are never removed, only set inactive (in the trash box)
// and active again. Windows (name plates, balloons, the self label) belong to the board
// view, which keeps one set per entry index and shows them from these fields.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/board_geometry.h"
#include "core/face_pictures.h"

namespace nuvaro::core {

class EngineBinding;

inline constexpr int kFaceWidth = 100;
inline constexpr int kFaceHeight = 100;
// The name plate under every face.
inline constexpr int kNamePlateWidth = 100;
inline constexpr int kNamePlateHeight = 20;
// Longest name a face keeps, in bytes (CP932, cut on a character boundary).
inline constexpr std::size_t kFaceNameBytes = 39;
// Reading modes: the active reading, or the user's own reading from the user's plate.
inline constexpr int kModeNormal = 0;
inline constexpr int kModeSelf = 6;

struct FaceEntry {
  int id = 0;                  // value of `created` when the entry was made (the user: 0)
  int active = 1;              // 1 on the board, 0 in the trash box
  int labelLeft = 0;           // the name plate stands at (faceLeft, faceBottom)
  int labelTop = 0;
  FacePicture picture;         // strip and picture drawn (magenta transparent)
  BoardRect face;              // face rectangle, 100 x 100
  std::string name;            // CP932, at most 39 bytes
  int isMale = 0;              // 1 when the sex text is exactly "男"
  int age = 0;                 // the age band as a number
  std::string balloonText;     // the current whisper (CP932), a copy of the plug-in's text
  int speaking = 0;            // 1 when this face's balloon may be shown
};

class CFace {
 public:
  CFace() = default;

  // Reading selection (see PluginHost) and board state.
  std::int32_t activeEvent = 0;  // event id of the active reading, 0 for none
  std::int32_t mode = kModeNormal;
  std::int32_t created = 0;      // faces made so far: the next entry's id
  std::int32_t faceWidth = kFaceWidth;
  std::int32_t faceHeight = kFaceHeight;
  std::int32_t selfSet = 0;      // 1 once a member was dropped on the user's face
  std::int32_t whispering = 0;   // 1 while the balloons are on

  // Clears every entry and makes the user's face: id 0, active, (0, 0, 100, 100),
  // named "名なし", the unnamed portrait.
  void CreateSelf();

  // Names the user from a member text: name (cut to 39 bytes), sex and age, and the
  // portrait of the person's group. No soul numbers are computed.
  void SetSelf(std::string_view memberText);

  // Adds a face centred at (x, y) from a member text: its picture is the expression
  // computed by the engine for the name, in the strip of the person's group. Answers the
  // new entry's index.
  int AddFace(int x, int y, std::string_view memberText, const EngineBinding& engine);

  // Last index: -1 without entries, 0 with only the user.
  int LastIndex() const { return static_cast<int>(entries_.size()) - 1; }
  const std::vector<FaceEntry>& Entries() const { return entries_; }
  // The entry at an index (must exist).
  const FaceEntry& Entry(int index) const { return entries_.at(static_cast<std::size_t>(index)); }
  FaceEntry& Entry(int index) { return entries_.at(static_cast<std::size_t>(index)); }

  // Index queries; beyond the entries they answer "", 0, 0 and 0.
  std::string Name(int index) const;
  int IsMale(int index) const;
  int Age(int index) const;
  int IsActive(int index) const;

  // The user's name, or "" while it is still "名なし".
  std::string SelfName() const;
  // True while the user's face still carries "名なし" (or does not exist).
  bool IsSelfUnnamed() const;
  // The name of the first active entry with this id, searching from index 0 ("" for none).
  std::string NameOfId(int id) const;
  // isMale of the first active entry with this id, searching from index 1 (1 for none,
  // so always 1 for the user).
  int IsMaleOfId(int id) const;

  // Hit tests: the user's face contains the point; the lowest active other entry whose
  // face contains it (0 for none).
  bool SelfContains(BoardPoint point) const;
  int HitTest(BoardPoint point) const;

  // Moving one entry; the name plate follows (labelLeft = left, labelTop = bottom).
  void SetFaceRect(int index, BoardRect rect);
  void ShiftFace(int index, int dx, int dy);

  // Shifts every entry by the same amounts so that the user's face is centred in a
  // client area of the given size (halves rounded toward zero).
  void Recentre(int clientWidth, int clientHeight);

  // The other faces (all do nothing while LastIndex() is 0 or less):
  void Discard(int index);               // one face into the trash box
  void SetOthersActive(bool active);     // all in or out
  bool AnyOtherInactive() const;
  void SetSpeaking(bool speaking);       // every other face's speaking flag
  // All into the trash box: inactive, not speaking, whispering 0.
  void ClearAll();
  // All back from the trash box; their speaking flags follow `whispering`.
  void RestoreAll();

 private:
  std::vector<FaceEntry> entries_;
};

}  // namespace nuvaro::core
