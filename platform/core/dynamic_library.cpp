#include "platform/core/dynamic_library.h"

#include <dlfcn.h>

#include "platform/core/file_system.h"
#include "platform/core/paths.h"

namespace nuvaro::platform {

DynamicLibrary::~DynamicLibrary() { Free(); }

DynamicLibrary::DynamicLibrary(DynamicLibrary&& other) noexcept
    : handle_(other.handle_), lastError_(std::move(other.lastError_)) {
  other.handle_ = nullptr;
}

DynamicLibrary& DynamicLibrary::operator=(DynamicLibrary&& other) noexcept {
  if (this != &other) {
    Free();
    handle_ = other.handle_;
    lastError_ = std::move(other.lastError_);
    other.handle_ = nullptr;
  }
  return *this;
}

bool DynamicLibrary::Load(const std::string& fileName) {
  Free();
  // A bare file name means the program's own folder, never the loader's search path: a
  // library of that name elsewhere (an RPATH, the system folders) is not ours.
  const std::string path = fileName.find('/') == std::string::npos ? ProgramFile(fileName) : fileName;
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) {
    const char* error = dlerror();
    lastError_ = error != nullptr ? error : "unknown error";
    return false;
  }
  lastError_.clear();
  return true;
}

bool DynamicLibrary::AttachLoaded(const std::string& fileName) {
  Free();
  handle_ = dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NOLOAD);
  if (handle_ == nullptr) {
    const char* error = dlerror();
    lastError_ = error != nullptr ? error : fileName + " is not loaded";
    return false;
  }
  lastError_.clear();
  return true;
}

void DynamicLibrary::Free() {
  if (handle_ != nullptr) dlclose(handle_);
  handle_ = nullptr;
}

void* DynamicLibrary::Symbol(const char* name) const {
  return handle_ != nullptr ? dlsym(handle_, name) : nullptr;
}

}  // namespace nuvaro::platform
