// Command numbers of the main frame's bars and menus. The board toolbar's commands
// other than help and "メニュー" belong to the board view, which the frame forwards them to.
#pragma once

#include "board/board_commands.h"

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
inline constexpr int kCommandMenu = kBoardCommandMenu;  // "メニュー"
inline constexpr int kCommandHelp = kBoardCommandHelp;  // "？使い方"

// Board toolbar buttons handled by the board view (their numbers live with the board).
inline constexpr int kCommandNameEntry = kBoardCommandNameEntry;
inline constexpr int kCommandWhisper = kBoardCommandWhisper;
inline constexpr int kCommandQuiet = kBoardCommandQuiet;
inline constexpr int kCommandClearAll = kBoardCommandClearAll;
inline constexpr int kCommandPercentage = kBoardCommandPercentage;  // caption from the active reading
inline constexpr int kCommandCalendar = kBoardCommandCalendar;

// Registered views (document templates).
inline constexpr int kGuideMenuTemplate = 128;
inline constexpr int kBoardTemplate = 129;

}  // namespace nuvaro::ui
