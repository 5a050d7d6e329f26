#include "file_call_faults.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <string_view>

namespace nuvaro::testing {
namespace {

bool folderFlushFails = false;

struct RenameFault {
  bool active = false;
  std::string suffix;
  int allowed = 0;
  int refused = 0;
} renameFault;

template <typename Function>
Function Next(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

bool IsFolder(int fd) {
  struct stat info {};
  return fstat(fd, &info) == 0 && S_ISDIR(info.st_mode);
}

// Answers whether this flush is to fail (errno set).
bool FlushRefused(int fd) {
  if (!folderFlushFails || !IsFolder(fd)) return false;
  errno = EIO;
  return true;
}

}  // namespace

FolderFlushFails::FolderFlushFails() { folderFlushFails = true; }
FolderFlushFails::~FolderFlushFails() { folderFlushFails = false; }

RenamesFailAfter::RenamesFailAfter(std::string sourceSuffix, int allowed) {
  renameFault = RenameFault{true, std::move(sourceSuffix), allowed, 0};
}
RenamesFailAfter::~RenamesFailAfter() { renameFault = RenameFault{}; }
int RenamesFailAfter::Refused() const { return renameFault.refused; }

}  // namespace nuvaro::testing

extern "C" {

int fsync(int fd) {
  static const auto next = nuvaro::testing::Next<int (*)(int)>("fsync");
  return nuvaro::testing::FlushRefused(fd) ? -1 : next(fd);
}

int fdatasync(int fd) {
  static const auto next = nuvaro::testing::Next<int (*)(int)>("fdatasync");
  return nuvaro::testing::FlushRefused(fd) ? -1 : next(fd);
}

int rename(const char* from, const char* to) {
  static const auto next = nuvaro::testing::Next<int (*)(const char*, const char*)>("rename");
  auto& fault = nuvaro::testing::renameFault;
  if (fault.active && std::string_view(from).ends_with(fault.suffix)) {
    if (fault.allowed == 0) {
      ++fault.refused;
      errno = EIO;
      return -1;
    }
    --fault.allowed;
  }
  return next(from, to);
}

}  // extern "C"
