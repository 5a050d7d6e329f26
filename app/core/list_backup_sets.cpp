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
    if (it->is_directory(error)) sets.push_back(it->path().string());
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
  if (!fs::create_directories(folder, error) || error) return std::nullopt;
  for (const std::string& path : listPaths) {
    if (!platform::FileExists(path)) continue;
    if (!platform::CopyFileOverwrite(path, (folder / fs::path(path).filename()).string())) {
      fs::remove_all(folder, error);
      return std::nullopt;
    }
  }
  std::vector<std::string> sets = ListBackupSets();
  for (std::size_t i = 0; i + kKeptListBackupSets < sets.size(); ++i) fs::remove_all(sets[i], error);
  return std::string(texts::kListBackupFolder) + "/" + name;
}

}  // namespace nuvaro::core
