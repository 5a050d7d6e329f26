// The command-line export of the calendar's days to iCalendar:
//   Nuvaro --export-ics YYYY|YYYY-MM --name "姓 名" --output FILE.ics [--settings FILE.ini]
//          [--no-rokuyou] [--no-reading]
// writes the holidays, solar terms, seasonal and lucky days of the year or month and,
// unless left out, each day's rokuyou with its old-calendar date and the person's day
// reading, without showing a window.
#pragma once

#include <QStringList>

namespace nuvaro::ui {

inline constexpr char kExportIcsOption[] = "--export-ics";

bool IsExportIcsCommand(int argc, char** argv);

// Runs the export and answers the exit status: 0 when the file was written, 2 for
// arguments that cannot be used, 1 when the export failed. Errors go to stderr.
int RunExportIcsCommand(const QStringList& arguments);

}  // namespace nuvaro::ui
