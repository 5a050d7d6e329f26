// Replacing all member lists at once (the import) so that, whatever stops the program
// part way, the lists end up wholly old or wholly new at the next start:
//   1. every list's "bak" copy is written, then every new list beside its list
//      ("friend.lst.import"), each flushed;
//   2. a journal ("listimport.journal") records that all new lists are complete;
//   3. each new list is renamed over its list, the folder flushed, the journal removed.
// At start-up a journal means step 3 is finished; new lists without a journal are
// thrown away (the lists were never touched).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/member.h"

namespace nuvaro::core {

inline constexpr std::string_view kImportJournalName = "listimport.journal";
inline constexpr std::string_view kNewListSuffix = ".import";

struct ListReplacement {
  bool replaced = false;       // every list holds its new content
  bool listsChanged = false;   // some list may hold new content (a failure in step 3)
  std::string failedPath;      // the file that could not be written, on failure
  std::vector<bool> holdsNew;  // per list path: it holds its new content
};

// Replaces the list files (full paths, in the data folder) by the given members, one
// member list per path. backupSet names the backup set made before, for the journal.
ListReplacement ReplaceListsWhole(const std::vector<std::string>& listPaths,
                                  const std::vector<std::vector<Member>>& lists, std::string_view backupSet);

// Stuck: the import could not be finished either (a rename failed again); it is tried
// again at the following start, so the lists must not be changed in this run.
enum class ImportRecovery { NothingToDo, Finished, Undone, Stuck };

// Start-up, before the lists are read: finishes or undoes an import that was stopped
// (see above), and removes what interrupted saves and backups left in the data folder
// (temporary files of the safe save, incomplete backup sets). Says which it did, and
// tells the user when an import was finished or undone.
ImportRecovery RecoverListFiles(const std::vector<std::string>& listPaths);

}  // namespace nuvaro::core
