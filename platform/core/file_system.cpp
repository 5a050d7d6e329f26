#include "platform/core/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace nuvaro::platform {

std::optional<std::string> ReadWholeFile(const std::string& path) {
  // Only regular files: a folder opens as a stream on Linux but fails on the first read.
  if (!FileExists(path)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes;
  try {
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  } catch (const std::ios_base::failure&) {
    return std::nullopt;
  }
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool WriteWholeFileSafely(const std::string& path, std::string_view bytes) {
  std::string temp = path + ".tmpXXXXXX";
  int fd = mkstemp(temp.data());
  if (fd < 0) return false;
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  bool ok = true;
  while (left > 0) {
    ssize_t written = write(fd, data, left);
    if (written <= 0) {
      ok = false;
      break;
    }
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  // Keep the permissions an existing file had; a new file gets the usual 0644.
  struct stat old {};
  mode_t mode = stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  ok = ok && fchmod(fd, mode) == 0;
  ok = ok && fsync(fd) == 0;
  ok = (close(fd) == 0) && ok;
  if (ok && std::rename(temp.c_str(), path.c_str()) == 0) return true;
  std::remove(temp.c_str());
  return false;
}

bool CopyFileOverwrite(const std::string& from, const std::string& to) {
  auto bytes = ReadWholeFile(from);
  return bytes && WriteWholeFileSafely(to, *bytes);
}

std::vector<std::string> ListFiles(const std::string& directory, const std::string& pattern) {
  std::vector<std::string> names;
  DIR* dir = opendir(directory.c_str());
  if (dir == nullptr) return names;
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (fnmatch(pattern.c_str(), name.c_str(), FNM_PERIOD) != 0) continue;
    struct stat info {};
    std::string full = directory + (directory.empty() || directory.back() == '/' ? "" : "/") + name;
    if (stat(full.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
    names.push_back(name);
  }
  closedir(dir);
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
  });
  return names;
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace nuvaro::platform
