#include "core/list_replacement.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/core_texts.h"
#include "core/group_file.h"
#include "core/list_backup_sets.h"
#include "core/written_lists.h"
#include "platform/core/data_folder.h"
#include "platform/core/file_system.h"
#include "platform/core/message_sink.h"

namespace nuvaro::core {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kJournalHeader = "list import\n";

std::string JournalPath() { return platform::DataFile(kImportJournalName); }

// The file a list path names: a list kept elsewhere through a symbolic link is replaced
// where it lies, and the link stays a link (as a single save does).
std::string ListTarget(const std::string& list) {
  std::error_code error;
  if (!fs::is_symlink(list, error)) return list;
  const fs::path target = fs::weakly_canonical(list, error);
  return error ? list : target.string();
}

std::string NewListPath(const std::string& list) { return ListTarget(list) + std::string(kNewListSuffix); }

std::string FolderOf(const std::string& path) { return fs::path(path).parent_path().string(); }

void RemoveNewLists(const std::vector<std::string>& listPaths) {
  for (const std::string& list : listPaths) std::remove(NewListPath(list).c_str());
}

// Step 3: every new list that is still there goes over its list. A list already
// replaced has no new list left. Marks in holdsNew (when given) each list put in place.
bool PutNewListsInPlace(const std::vector<std::string>& listPaths, std::string* failedPath,
                        std::vector<bool>* holdsNew = nullptr) {
  for (std::size_t i = 0; i < listPaths.size(); ++i) {
    const std::string& list = listPaths[i];
    const std::string fresh = NewListPath(list);
    if (!platform::FileExists(fresh)) continue;
    if (std::rename(fresh.c_str(), ListTarget(list).c_str()) != 0) {
      if (failedPath != nullptr) *failedPath = list;
      return false;
    }
    if (holdsNew != nullptr) (*holdsNew)[i] = true;
  }
  for (const std::string& list : listPaths) {
    if (!platform::SyncFolder(FolderOf(ListTarget(list)))) return false;
  }
  return true;
}

// Temporary files of the safe save ("friend.lst.tmpAb12Cd") left by a process that was
// stopped while writing.
void RemoveStaleTemporaryFiles(const std::string& folder) {
  std::error_code error;
  std::vector<fs::path> stale;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    const std::size_t at = name.rfind(".tmp");
    if (at != std::string::npos && name.size() == at + 10 && it->is_regular_file(error)) stale.push_back(it->path());
  }
  for (const fs::path& path : stale) fs::remove(path, error);
}

ListReplacement ListReplacementFailure(const std::string& path, bool changed) {
  ListReplacement result;
  result.failedPath = path;
  result.listsChanged = changed;
  return result;
}

}  // namespace

ListReplacement ReplaceListsWhole(const std::vector<std::string>& listPaths,
                                  const std::vector<std::vector<Member>>& lists, std::string_view backupSet) {
  // Step 1: the "bak" copies and the new lists; the lists themselves stay untouched.
  // Each new list's bytes go into the record of written lists (one for the data folder,
  // written once) before any is in place.
  WrittenListRecord record(JournalPath());
  for (std::size_t i = 0; i < listPaths.size(); ++i) {
    const std::string& list = listPaths[i];
    if (platform::PathExists(list)) {
      auto previous = ReadListFile(list);
      if (!previous || !platform::WriteWholeFileSafely(BackupPathFor(list), *previous)) {
        RemoveNewLists(listPaths);
        return ListReplacementFailure(previous ? BackupPathFor(list) : list, false);
      }
    }
    const std::vector<Member> none;
    const std::string bytes = FormatGroupFile(i < lists.size() ? lists[i] : none);
    if (!platform::WriteWholeFileSafely(NewListPath(list), bytes)) {
      RemoveNewLists(listPaths);
      return ListReplacementFailure(list, false);
    }
    record.Remember(list, bytes);
  }
  record.Save();
  // Step 2: from here on the import is finished at the next start, whatever happens.
  if (!platform::WriteWholeFileSafely(JournalPath(), std::string(kJournalHeader) + std::string(backupSet) + "\n")) {
    RemoveNewLists(listPaths);
    return ListReplacementFailure(JournalPath(), false);
  }
  // Step 3.
  std::string failedPath;
  std::vector<bool> holdsNew(listPaths.size(), false);
  if (!PutNewListsInPlace(listPaths, &failedPath, &holdsNew)) {
    ListReplacement stopped = ListReplacementFailure(failedPath.empty() ? FolderOf(JournalPath()) : failedPath, true);
    stopped.holdsNew = std::move(holdsNew);
    return stopped;
  }
  std::remove(JournalPath().c_str());
  ListReplacement done;
  done.replaced = true;
  done.listsChanged = true;
  done.holdsNew.assign(listPaths.size(), true);
  return done;
}

ImportRecovery RecoverListFiles(const std::vector<std::string>& listPaths) {
  ImportRecovery recovery = ImportRecovery::NothingToDo;
  if (platform::PathExists(JournalPath())) {
    if (PutNewListsInPlace(listPaths, nullptr)) {
      std::remove(JournalPath().c_str());
      recovery = ImportRecovery::Finished;
    } else {
      recovery = ImportRecovery::Stuck;
    }
  } else {
    for (const std::string& list : listPaths) {
      if (platform::PathExists(NewListPath(list))) recovery = ImportRecovery::Undone;
    }
    RemoveNewLists(listPaths);
  }
  RemoveStaleTemporaryFiles(platform::DataDirectory());
  RemoveIncompleteBackupSets();
  if (recovery == ImportRecovery::Finished) {
    platform::ShowMessageBox(nullptr, texts::kImportFinishedAtStart, texts::kApplicationTitle);
  } else if (recovery == ImportRecovery::Undone) {
    platform::ShowMessageBox(nullptr, texts::kImportUndoneAtStart, texts::kApplicationTitle);
  } else if (recovery == ImportRecovery::Stuck) {
    platform::ShowMessageBox(nullptr, texts::kImportStuckAtStart, texts::kApplicationTitle);
  }
  return recovery;
}

}  // namespace nuvaro::core
