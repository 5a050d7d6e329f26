// Whole-file reads and safe writes, file copy and folder listing.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/platform_api.h"

namespace nuvaro::platform {

// The bytes of a file, or nothing when it cannot be opened or read.
NUVARO_PLATFORM_API std::optional<std::string> ReadWholeFile(const std::string& path);

// What a safe save did: nothing (the old content is whole), everything, or the new
// content is in place but the folder could not be flushed, so it may not survive a
// power cut (the file itself reads back new).
enum class SaveOutcome { NotSaved, Saved, SavedNotFlushed };

// Writes the bytes to a temporary file beside `path`, renames it over `path` and flushes
// the folder, so the old content stays intact when anything fails and a success is
// durable. A symbolic link is written through (the link stays a link), except a link in
// a world-writable sticky folder (/tmp) that belongs neither to this user, nor to root,
// nor to the folder's owner: another user may have planted it there. An existing file
// without write permission, or one that is not a regular file, is refused. A new file
// gets the permissions the user's umask allows (0666 masked), an existing file keeps
// its own. No temporary file is left behind on failure.
NUVARO_PLATFORM_API SaveOutcome SaveWholeFile(const std::string& path, std::string_view bytes);

// SaveWholeFile answered Saved.
NUVARO_PLATFORM_API bool WriteWholeFileSafely(const std::string& path, std::string_view bytes);

// True when WriteWholeFileSafely may replace `path`, asked without touching anything:
// links followed, an existing file must be a regular file with write permission, and
// its folder must let a new file be made and renamed. A "yes" is no promise (the disk may
// still fill up); a "no" means a save would certainly be refused.
NUVARO_PLATFORM_API bool CanWriteWholeFileSafely(const std::string& path);

// Copies `from` over `to` (an existing `to` is replaced). False on failure, leaving `to`
// as it was.
NUVARO_PLATFORM_API bool CopyFileOverwrite(const std::string& from, const std::string& to);

// Names (not paths) of the regular files in `directory` whose names match the shell
// pattern (for example "*.nvr"), in ascending byte order; directories are skipped.
// Empty when the folder is missing.
NUVARO_PLATFORM_API std::vector<std::string> ListFiles(const std::string& directory, const std::string& pattern);

NUVARO_PLATFORM_API bool FileExists(const std::string& path);

// Flushes a folder's entries (after a rename in it), so the rename survives a power cut.
// True also on a file system that cannot flush folders.
NUVARO_PLATFORM_API bool SyncFolder(const std::string& folder);

// True unless the name, links followed, is certainly free: anything of that name exists,
// or the question cannot be answered (a folder on the way that may not be searched).
NUVARO_PLATFORM_API bool PathExists(const std::string& path);

}  // namespace nuvaro::platform
