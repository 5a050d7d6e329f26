// The program's run inside an existing QApplication: start-up, the message loop while
// the main window is open, shut-down.
#pragma once

#include <QString>
#include <QStringList>

namespace nuvaro::ui {

// The name a running copy listens on: one copy per data folder (two copies on the same
// member lists would overwrite each other's changes), another folder's copy runs beside.
QString ProgramInstanceKey();

// `Nuvaro --name-finder` (from the help, or a terminal) opens the name finder: in the
// copy that already runs on these lists, or in the one it starts.
inline constexpr char kNameFinderOption[] = "--name-finder";

// What the command line asks of the program's window, handed to a running copy as its
// wish: "name-finder", or empty (only bring the window forward).
QString CommandLineWish(const QStringList& arguments);

// Exit status of a run whose start-up failed (its messages have been shown).
inline constexpr int kStartupFailedStatus = 1;

// Runs the program and answers its exit status: the message loop's status, or
// kStartupFailedStatus when the start-up failed.
int RunProgram();

}  // namespace nuvaro::ui
