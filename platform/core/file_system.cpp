#include "platform/core/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace nuvaro::platform {
namespace {

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() { Close(); }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return fd_; }
  bool Valid() const { return fd_ >= 0; }
  // False when closing reports an error (a delayed write error surfaces here).
  bool Close() {
    if (fd_ < 0) return true;
    int result = close(fd_);
    fd_ = -1;
    return result == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    ssize_t written = write(fd, data, left);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  std::size_t separator = path.rfind('/');
  if (separator == std::string::npos) return ".";
  if (separator == 0) return "/";
  return path.substr(0, separator);
}

// A link another user may have planted: it lies in a world-writable sticky folder and
// belongs neither to us, nor to root, nor to the folder's owner (the kernel's
// protected_symlinks rule, applied whatever the kernel is set to).
bool IsForeignLinkInSharedFolder(const std::string& path, const struct stat& link) {
  struct stat folder {};
  if (stat(FolderOf(path).c_str(), &folder) != 0) return true;
  const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
  return shared && link.st_uid != geteuid() && link.st_uid != 0 && link.st_uid != folder.st_uid;
}

// The file a path finally names: symbolic links in its last part are followed (a
// relative link target counts from the link's folder), so that a save replaces the file
// the link points at and the link stays a link. Gives up after 40 links, as the kernel
// does, and at a foreign link in a shared folder.
std::optional<std::string> FollowLinks(std::string path) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    if (IsForeignLinkInSharedFolder(path, info)) return std::nullopt;
    std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
    ssize_t length = readlink(path.c_str(), target.data(), target.size());
    if (length < 0 || static_cast<std::size_t>(length) >= target.size()) return std::nullopt;
    target.resize(static_cast<std::size_t>(length));
    path = target.front() == '/' ? target : FolderOf(path) + "/" + target;
  }
  return std::nullopt;
}

// The permissions of a new file: what the user's umask leaves of 0666. Read from
// /proc (setting the mask to read it back would race with other threads); the
// classic 022 when /proc cannot say.
mode_t NewFileMode() {
  mode_t mask = 022;
  if (FILE* status = std::fopen("/proc/self/status", "re")) {
    char line[256];
    while (std::fgets(line, sizeof line, status) != nullptr) {
      unsigned value = 0;
      if (std::sscanf(line, "Umask: %o", &value) == 1) {
        mask = static_cast<mode_t>(value);
        break;
      }
    }
    std::fclose(status);
  }
  return 0666 & ~mask;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
  FileDescriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!fd.Valid()) return std::nullopt;
  // Only regular files: a folder or a pipe of that name is not a file to read.
  struct stat info {};
  if (fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[65536];
  for (;;) {
    ssize_t got = read(fd.Get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return std::nullopt;
    if (got == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  return bytes;
}

bool PathExists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

bool WriteWholeFileSafely(const std::string& path, std::string_view bytes) {
  return SaveWholeFile(path, bytes) == SaveOutcome::Saved;
}

SaveOutcome SaveWholeFile(const std::string& path, std::string_view bytes) {
  auto target = FollowLinks(path);
  if (!target) return SaveOutcome::NotSaved;
  // An existing file must be a regular file that may be written: a file without any
  // write permission is refused as the read-only file it is meant to be, also for a
  // user whose privileges would let the rename replace it.
  struct stat old {};
  bool exists = stat(target->c_str(), &old) == 0;
  if (exists && (!S_ISREG(old.st_mode) || (old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
                 access(target->c_str(), W_OK) != 0))
    return SaveOutcome::NotSaved;

  std::string temp = *target + ".tmpXXXXXX";
  FileDescriptor fd(mkostemp(temp.data(), O_CLOEXEC));
  if (!fd.Valid()) return SaveOutcome::NotSaved;
  // Keep the permissions an existing file had; a new file gets what the umask allows.
  mode_t mode = exists ? (old.st_mode & 07777) : NewFileMode();
  bool ok = WriteAll(fd.Get(), bytes) && fchmod(fd.Get(), mode) == 0 && fsync(fd.Get()) == 0;
  ok = fd.Close() && ok;
  if (!ok || std::rename(temp.c_str(), target->c_str()) != 0) {
    unlink(temp.c_str());
    return SaveOutcome::NotSaved;
  }
  return SyncFolder(FolderOf(*target)) ? SaveOutcome::Saved : SaveOutcome::SavedNotFlushed;
}

bool CanWriteWholeFileSafely(const std::string& path) {
  auto target = FollowLinks(path);
  if (!target) return false;
  struct stat old {};
  if (stat(target->c_str(), &old) == 0 &&
      (!S_ISREG(old.st_mode) || (old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
       access(target->c_str(), W_OK) != 0))
    return false;
  struct stat folder {};
  const std::string folderPath = FolderOf(*target);
  return stat(folderPath.c_str(), &folder) == 0 && S_ISDIR(folder.st_mode) &&
         access(folderPath.c_str(), W_OK | X_OK) == 0;
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

// A file system that cannot flush folders (EINVAL) has nothing more to do.
bool SyncFolder(const std::string& folder) {
  FileDescriptor fd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!fd.Valid()) return false;
  if (fsync(fd.Get()) != 0 && errno != EINVAL) return false;
  return fd.Close();
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace nuvaro::platform
