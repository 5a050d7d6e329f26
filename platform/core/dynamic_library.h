// Loading shared libraries by file name and looking up their exports by name.
#pragma once

#include <string>

#include "platform/core/platform_api.h"

namespace nuvaro::platform {

// An owned handle to a loaded library; unloads it when destroyed.
class NUVARO_PLATFORM_API DynamicLibrary {
 public:
  DynamicLibrary() = default;
  ~DynamicLibrary();
  DynamicLibrary(DynamicLibrary&& other) noexcept;
  DynamicLibrary& operator=(DynamicLibrary&& other) noexcept;
  DynamicLibrary(const DynamicLibrary&) = delete;
  DynamicLibrary& operator=(const DynamicLibrary&) = delete;

  // Loads a library. A bare file name (no '/') means the file of that name beside the
  // program, never the system's library search. False when it cannot be loaded;
  // LastError() then tells why.
  bool Load(const std::string& fileName);
  // Takes one more reference to a library this process has already loaded, found by its
  // file name or soname; never loads it (nor a second copy). False when it is not loaded.
  bool AttachLoaded(const std::string& fileName);
  void Free();
  bool IsLoaded() const { return handle_ != nullptr; }

  // The address of an export, or nullptr when the library has none of that name.
  void* Symbol(const char* name) const;

  template <typename Function>
  Function Lookup(const char* name) const {
    return reinterpret_cast<Function>(Symbol(name));
  }

  const std::string& LastError() const { return lastError_; }

 private:
  void* handle_ = nullptr;
  std::string lastError_;
};

}  // namespace nuvaro::platform
