// The command-line export of the fortune calendar:
//   Nuvaro --print-calendar YYYY-MM|YYYY --name "姓 名" --output FILE.pdf [--settings FILE.ini]
// writes the month, or the twelve months of a year one page each, exactly as the
// calendar window prints it, without showing a window.
#pragma once

#include <QStringList>

namespace nuvaro::ui {

inline constexpr char kPrintCalendarOption[] = "--print-calendar";

// True when the program's arguments ask for the export.
bool IsPrintCalendarCommand(int argc, char** argv);

// Lets the export run without a display: the offscreen platform is chosen unless a
// platform is given. Call before the QApplication is made.
void PrepareHeadlessPrintCalendar();

// Runs the export (inside a QApplication) and answers the exit status: 0 when the file
// was written, 2 for arguments that cannot be used, 1 when the export failed. Errors
// are written to stderr.
int RunPrintCalendarCommand(const QStringList& arguments);

}  // namespace nuvaro::ui
