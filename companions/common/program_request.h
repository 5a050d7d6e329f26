// A companion asking the program beside it for a window ("name-finder"): it starts
// `Nuvaro --<request>` from the folder it was started from, detached, and the program
// hands the request to its copy already running on the user's lists, if there is one.
#pragma once

#include <QString>

namespace nuvaro::companions {

// Links of the form "nuvaro:<request>" in a page ask the program for something.
inline constexpr char kProgramRequestScheme[] = "nuvaro";

// Starts the program in `programFolder` with the request's option. When it cannot be
// started says so in a message box (captioned `caption`) and answers false.
bool RequestFromProgram(const QString& programFolder, const QString& request, const QString& caption);

}  // namespace nuvaro::companions
