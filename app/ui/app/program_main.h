// The program's run inside an existing QApplication: start-up, the message loop while
// the main window is open, shut-down.
#pragma once

#include <QString>

namespace nuvaro::ui {

// The name a running copy listens on: one copy per data folder (two copies on the same
// member lists would overwrite each other's changes), another folder's copy runs beside.
QString ProgramInstanceKey();

// Exit status of a run whose start-up failed (its messages have been shown).
inline constexpr int kStartupFailedStatus = 1;

// Runs the program and answers its exit status: the message loop's status, or
// kStartupFailedStatus when the start-up failed.
int RunProgram();

}  // namespace nuvaro::ui
