// A program folder of its own for a widget test: a temporary folder that
// NUVARO_PROGRAM_DIR points at while the object lives, filled with copies of the built
// engine and plug-ins, the test plug-ins, or plain files.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "temp_dir.h"

namespace nuvaro::testing {

class UiProgramFolder {
 public:
  UiProgramFolder() {
    if (const char* old = std::getenv("NUVARO_PROGRAM_DIR")) previous_ = old;
    setenv("NUVARO_PROGRAM_DIR", dir_.Path().c_str(), 1);
  }
  ~UiProgramFolder() {
    if (previous_) {
      setenv("NUVARO_PROGRAM_DIR", previous_->c_str(), 1);
    } else {
      unsetenv("NUVARO_PROGRAM_DIR");
    }
  }
  UiProgramFolder(const UiProgramFolder&) = delete;
  UiProgramFolder& operator=(const UiProgramFolder&) = delete;

  const std::filesystem::path& Path() const { return dir_.Path(); }
  std::string File(std::string_view name) const { return dir_.File(name); }
  std::string PluginFolder() const { return File("nvr"); }

  std::string Write(std::string_view name, std::string_view bytes) const {
    std::filesystem::create_directories(std::filesystem::path(dir_.File(name)).parent_path());
    return dir_.Write(name, bytes);
  }

  static std::filesystem::path BuiltProgramFolder() {
    const char* bin = std::getenv("NUVARO_BIN_DIR");
    if (bin == nullptr) throw std::runtime_error("NUVARO_BIN_DIR is not set");
    return bin;
  }

  void CopyEngine() const {
    Copy(BuiltProgramFolder() / "libNuvacalc.so", "libNuvacalc.so");
    Copy(BuiltProgramFolder() / "libNuvaroPlatform.so", "libNuvaroPlatform.so");
  }
  // A delivered plug-in ("MatchCouple") into nvr/.
  void CopyDeliveredPlugin(std::string_view name) const {
    Copy(BuiltProgramFolder() / "nvr" / (std::string(name) + ".nvr"), "nvr/" + std::string(name) + ".nvr");
  }
  void CopyDeliveredPlugins() const {
    for (const char* name : {"MatchCouple", "MatchLover", "TacticCouple", "TacticLover"}) CopyDeliveredPlugin(name);
  }
  // A stand-in companion program ("NuvaroHelp", "NuvaroNavi") that notes each start
  // in companions.log and ends at once.
  void InstallFakeCompanion(std::string_view name) const {
    std::string script = "#!/bin/sh\necho " + std::string(name) + " >> \"$(dirname \"$0\")/companions.log\"\n";
    std::string path = Write(name, script);
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
  }
  // The companions started so far, in order.
  std::vector<std::string> CompanionsStarted() const {
    std::vector<std::string> started;
    std::ifstream in(File("companions.log"));
    for (std::string line; std::getline(in, line);) started.push_back(line);
    return started;
  }

  // A library built for the tests (a full path) into nvr/ under a name of the test's choice.
  void CopyTestPlugin(const std::string& path, std::string_view asName) const {
    Copy(path, "nvr/" + std::string(asName));
  }

 private:
  void Copy(const std::filesystem::path& from, const std::string& to) const {
    std::filesystem::path target = Path() / to;
    std::filesystem::create_directories(target.parent_path());
    std::filesystem::copy_file(from, target, std::filesystem::copy_options::overwrite_existing);
  }

  TempDir dir_;
  std::optional<std::string> previous_;
};

}  // namespace nuvaro::testing
