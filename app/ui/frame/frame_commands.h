// Command numbers of the main frame's bars and menus. The board toolbar's commands
// other than help and "メニュー" belong to the board view, which the frame forwards them to.
#pragma once

namespace nuvaro::ui {

// Brand bar.
inline constexpr int kCommandClose = 1009;        // "閉じる"
inline constexpr int kCommandInformation = 1010;  // "情報": the information popup menu

// Information popup menu.
inline constexpr int kCommandVersion = 36876;     // "バージョン情報"
inline constexpr int kCommandHowToUse = 36877;    // "ヌヴァロ君の使い方": help companion
inline constexpr int kCommandSolveProblem = 36878;// "具体的な悩みの解決方法": navigator companion

// Menu bar and board toolbar.
inline constexpr int kCommandBack = 36879;        // "戻る"
inline constexpr int kCommandMenu = 36866;        // "メニュー"
inline constexpr int kCommandHelp = 57670;        // "？使い方"

// Board toolbar buttons handled by the board view.
inline constexpr int kCommandNameEntry = 1009;    // "名前入力"
inline constexpr int kCommandWhisper = 1010;      // "ヌヴァロ"
inline constexpr int kCommandQuiet = 1011;        // "だまる"
inline constexpr int kCommandClearAll = 1012;     // "全消去"
inline constexpr int kCommandPercentage = 1013;   // "愛情度" (caption from the active reading)
inline constexpr int kCommandCalendar = 1014;     // "カレンダ"

// Registered views (document templates).
inline constexpr int kGuideMenuTemplate = 128;
inline constexpr int kBoardTemplate = 129;

}  // namespace nuvaro::ui
