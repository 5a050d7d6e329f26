// A program folder in memory (tmpfs) for the fuzz targets that read and write real
// files, made once per process, with message boxes swallowed and answered "yes".
#pragma once

#include <stdlib.h>
#include <cstdlib>
#include <unistd.h>

#include <fstream>
#include <string>
#include <string_view>

#include "platform/core/message_sink.h"

namespace nuvaro::fuzzing {

class QuietSink : public platform::MessageSink {
 public:
  int ShowMessage(const platform::MessageRequest&) override { return platform::kIdYes; }
  void ShowEmptyDialog(const platform::EmptyDialogRequest&) override {}
};

inline const std::string& FuzzFolder() {
  static const std::string folder = [] {
    std::string pattern = (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + std::string("/nuvaro-fuzz-XXXXXX");
    std::string made = mkdtemp(pattern.data());
    setenv("NUVARO_PROGRAM_DIR", made.c_str(), 1);
#ifdef NUVARO_FUZZ_ENGINE_DIR
    // The engine is loaded only from the program folder: link the built one in.
    for (const char* library : {"libNuvacalc.so", "libNuvaroPlatform.so"}) {
      const std::string from = std::string(NUVARO_FUZZ_ENGINE_DIR) + "/" + library;
      if (symlink(from.c_str(), (made + "/" + library).c_str()) != 0) std::abort();
    }
#endif
    static QuietSink sink;
    platform::SetMessageSink(&sink);
    return made;
  }();
  return folder;
}

inline std::string FuzzFile(std::string_view name) { return FuzzFolder() + "/" + std::string(name); }

inline void WriteFuzzFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace nuvaro::fuzzing
