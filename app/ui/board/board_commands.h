// Command numbers of the whisper board: the vertical toolbar's buttons, the two context
// menus, and the name plates (high word 100, low word the face id).
#pragma once

namespace nuvaro::ui {

inline constexpr int kBoardCommandHelp = 57670;        // "？使い方" (the frame's)
inline constexpr int kBoardCommandMenu = 36866;        // "メニュー"
inline constexpr int kBoardCommandNameEntry = 1009;    // "名前入力"
inline constexpr int kBoardCommandWhisper = 1010;      // "ヌヴァロ"
inline constexpr int kBoardCommandQuiet = 1011;        // "だまる"
inline constexpr int kBoardCommandClearAll = 1012;     // "全消去"
inline constexpr int kBoardCommandPercentage = 1013;   // "愛情度"
inline constexpr int kBoardCommandCalendar = 1014;     // "カレンダ"
inline constexpr int kBoardCommandDiscard = 36867;     // "削除(&X)", face menu
inline constexpr int kBoardCommandTrashEmpty = 36869;  // trash box picture empty
inline constexpr int kBoardCommandRestore = 36870;     // "元に戻す(&Z)", trash box menu
inline constexpr int kBoardCommandSurnameChange = 1015;  // "姓が変わるとき…", name plate menu

// A click on a name plate: high word 100, low word the face entry's id.
inline constexpr int kNamePlateCommandHigh = 100;
constexpr int NamePlateCommand(int faceId) { return (kNamePlateCommandHigh << 16) | (faceId & 0xFFFF); }
constexpr bool IsNamePlateCommand(int command) { return (command >> 16) == kNamePlateCommandHigh; }
constexpr int NamePlateFaceId(int command) { return command & 0xFFFF; }

}  // namespace nuvaro::ui
