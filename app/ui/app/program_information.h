// `Nuvaro --help` and `Nuvaro --version`: the program's usage (its command-line exports
// included) and its version on standard output, answered before anything of Qt starts,
// so they work with or without a display.
#pragma once

#include <iosfwd>

namespace nuvaro::ui {

enum class ProgramInformation { None, Help, Version };

// Which of the two the arguments ask for (--help / -h, --version / -v); --help wins.
ProgramInformation RequestedInformation(int argc, char** argv);

// Writes the usage or the version (UTF-8) and answers the exit status, 0.
int PrintProgramInformation(ProgramInformation which, std::ostream& out);

}  // namespace nuvaro::ui
