// Finding files beside the program, and cutting CP932 path strings into pieces.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/platform_api.h"

namespace nuvaro::platform {

// The running program's directory with a trailing '/' (from /proc/self/exe).
// In a build with tests, the NUVARO_PROGRAM_DIR environment variable overrides it, so
// that tests can run a library or tool against a program folder of their own; a build
// without tests (the package) ignores the variable, so the environment cannot choose
// which engine and plug-ins an installed program loads.
NUVARO_PLATFORM_API std::string ProgramDirectory();

// The program's directory plus the given file name.
NUVARO_PLATFORM_API std::string ProgramFile(std::string_view name);

// The pieces below work on CP932 text. File-system paths on this platform are UTF-8,
// whose bytes may look like CP932 lead bytes: cut those with std::filesystem or a plain
// search for '/' instead.

// Position of the last path separator ('/' or '\') of a CP932 string, never mistaking
// the trail byte of a two-byte character (0x5C in 表, ソ, 能) for one; npos when none.
NUVARO_PLATFORM_API std::size_t FindLastSeparator(std::string_view cp932Path);

// Everything before the last separator (empty when there is none).
NUVARO_PLATFORM_API std::string DirectoryPart(std::string_view cp932Path);

// Everything after the last separator (empty when there is none).
NUVARO_PLATFORM_API std::string FileNamePart(std::string_view cp932Path);

// Everything up to and including the last '.', then the new extension (empty when the
// path holds no '.').
NUVARO_PLATFORM_API std::string ReplaceExtension(std::string_view cp932Path, std::string_view extension);

}  // namespace nuvaro::platform
