// The program's run inside an existing QApplication: start-up, the message loop while
// the main window is open, shut-down.
#pragma once

namespace nuvaro::ui {

// Exit status of a run whose start-up failed (its messages have been shown).
inline constexpr int kStartupFailedStatus = 1;

// Runs the program and answers its exit status: the message loop's status, or
// kStartupFailedStatus when the start-up failed.
int RunProgram();

}  // namespace nuvaro::ui
