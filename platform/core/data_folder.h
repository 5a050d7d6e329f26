// The folder that holds what the user writes: the member lists, the calendar settings
// and their backups. Beside the program when that folder is writable (the portable
// layout); otherwise the user's data folder, so an installed program never writes
// under its own read-only folder.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/platform_api.h"

namespace nuvaro::platform {

// A file the installation places in the program folder: with it, the folder is never
// written to, even by a user (root) who could.
inline constexpr std::string_view kInstalledMarker = "nuvaro.installed";

// With a trailing '/'. Decided in this order: the NUVARO_DATA_DIR environment variable
// (tests), the program's directory when it holds no installation marker and this user
// may write there, then
// $XDG_DATA_HOME/nuvaro/ (default ~/.local/share/nuvaro/), created when missing. Decided
// afresh on each call (a few system calls), so tests that move the program folder see
// the move.
NUVARO_PLATFORM_API std::string DataDirectory();

// The data folder plus the given file name.
NUVARO_PLATFORM_API std::string DataFile(std::string_view name);

// True when the data folder is not the program's own folder (an installed program).
NUVARO_PLATFORM_API bool DataLivesApart();

// The user's data folder for this program when the program folder cannot be written:
// $XDG_DATA_HOME/nuvaro/ when XDG_DATA_HOME is an absolute path, else
// $HOME/.local/share/nuvaro/. Empty when neither can be found.
NUVARO_PLATFORM_API std::string UserDataDirectory();

}  // namespace nuvaro::platform
