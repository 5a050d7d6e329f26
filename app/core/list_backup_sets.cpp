#include "core/list_backup_sets.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/core_texts.h"
#include "platform/core/file_system.h"
#include "platform/core/local_clock.h"
#include "platform/core/data_folder.h"

namespace nuvaro::core {
namespace {

namespace fs = std::filesystem;

fs::path BackupRoot() { return fs::path(platform::DataFile(texts::kListBackupFolder)); }

// A set still being written, or one left by an interrupted copy.
constexpr std::string_view kIncompletePrefix = ".incomplete-";

bool IsCompleteSetName(const std::string& name) { return !name.empty() && name.front() != '.'; }

std::string TimeStamp() {
  const platform::LocalTime now = platform::GetLocalTime();
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", now.year, now.month, now.day, now.hour, now.minute,
                now.second);
  return stamp;
}

}  // namespace

std::vector<std::string> ListBackupSets() {
  std::vector<std::string> sets;
  std::error_code error;
  for (fs::directory_iterator it(BackupRoot(), error), end; !error && it != end; it.increment(error)) {
    if (it->is_directory(error) && IsCompleteSetName(it->path().filename().string())) {
      sets.push_back(it->path().string());
    }
  }
  std::sort(sets.begin(), sets.end());  // the names sort by date and time
  return sets;
}

std::optional<std::string> MakeListBackupSet(const std::vector<std::string>& listPaths) {
  std::error_code error;
  // Two imports within one second get "-2", "-3", ... after the time.
  const std::string stamp = TimeStamp();
  std::string name = stamp;
  for (int n = 2; fs::exists(BackupRoot() / name, error); ++n) name = stamp + "-" + std::to_string(n);
  const fs::path folder = BackupRoot() / name;
  const fs::path incomplete = BackupRoot() / (std::string(kIncompletePrefix) + name);
  fs::remove_all(incomplete, error);
  if (!fs::create_directories(incomplete, error) || error) return std::nullopt;
  for (const std::string& path : listPaths) {
    if (!platform::FileExists(path)) continue;
    if (!platform::CopyFileOverwrite(path, (incomplete / fs::path(path).filename()).string())) {
      fs::remove_all(incomplete, error);
      return std::nullopt;
    }
  }
  // Every copy is flushed (the safe save), so the set is whole once it has its name.
  fs::rename(incomplete, folder, error);
  if (error || !platform::SyncFolder(BackupRoot().string())) {
    fs::remove_all(incomplete, error);
    return std::nullopt;
  }
  std::vector<std::string> sets = ListBackupSets();
  for (std::size_t i = 0; i + kKeptListBackupSets < sets.size(); ++i) fs::remove_all(sets[i], error);
  return std::string(texts::kListBackupFolder) + "/" + name;
}

void RemoveIncompleteBackupSets() {
  std::error_code error;
  std::vector<fs::path> stale;
  for (fs::directory_iterator it(BackupRoot(), error), end; !error && it != end; it.increment(error)) {
    if (it->path().filename().string().starts_with(kIncompletePrefix)) stale.push_back(it->path());
  }
  for (const fs::path& path : stale) fs::remove_all(path, error);
}

}  // namespace nuvaro::core
