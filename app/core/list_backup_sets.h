// Dated copies of the five member lists, made before an import replaces them, so that an
// import can always be undone by hand: folder "listbackup" beside the lists holds one
// folder per import, named by its local date and time ("20261208-064012"), with the list
// files as they were. The newest few sets are kept. A set is first written into a
// folder whose name starts with "." and renamed to its dated name only when complete,
// so an interrupted copy never counts as a set.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace nuvaro::core {

inline constexpr std::size_t kKeptListBackupSets = 5;

// Copies the list files that exist (full paths) into a new dated set and removes the
// oldest sets beyond kKeptListBackupSets. The new set's folder relative to the program's
// folder ("listbackup/20261208-064012"), or nothing when it could not be made.
std::optional<std::string> MakeListBackupSet(const std::vector<std::string>& listPaths);

// The full paths of the complete sets kept, oldest first.
std::vector<std::string> ListBackupSets();

// Removes what an interrupted backup left: sets still being written (their folder name
// starts with "."). Called at start-up.
void RemoveIncompleteBackupSets();

}  // namespace nuvaro::core
