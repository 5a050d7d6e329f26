// A program folder of its own for a test: a temporary folder that NUVARO_PROGRAM_DIR
// points at while the object lives, filled on request with copies of the built engine
// and plug-ins, of libraries built for the tests, of stand-in companion programs, or
// with plain files.
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

class ProgramFolder {
 public:
  ProgramFolder() {
    if (const char* old = std::getenv("NUVARO_PROGRAM_DIR")) previous_ = old;
    setenv("NUVARO_PROGRAM_DIR", dir_.Path().c_str(), 1);
  }
  ~ProgramFolder() {
    if (previous_) {
      setenv("NUVARO_PROGRAM_DIR", previous_->c_str(), 1);
    } else {
      unsetenv("NUVARO_PROGRAM_DIR");
    }
  }
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  const std::filesystem::path& Path() const { return dir_.Path(); }
  std::string File(std::string_view name) const { return dir_.File(name); }
  std::string PluginFolder() const { return File("nvr"); }

  // Writes a file (creating the folders on its way) and returns its full path.
  std::string Write(std::string_view name, std::string_view bytes) const {
    std::filesystem::create_directories(std::filesystem::path(dir_.File(name)).parent_path());
    return dir_.Write(name, bytes);
  }
  // The bytes of a file (empty when missing).
  std::string Read(std::string_view name) const { return dir_.Read(name); }
  bool Exists(std::string_view name) const { return std::filesystem::exists(dir_.File(name)); }

  // The built program folder the tests run against.
  static std::filesystem::path BuiltProgramFolder() {
    const char* bin = std::getenv("NUVARO_BIN_DIR");
    if (bin == nullptr) throw std::runtime_error("NUVARO_BIN_DIR is not set");
    return bin;
  }

  // The engine library (and the platform library the plug-ins look for beside it).
  void CopyEngine() const {
    Copy(BuiltProgramFolder() / "libNuvacalc.so", "libNuvacalc.so");
    Copy(BuiltProgramFolder() / "libNuvaroPlatform.so", "libNuvaroPlatform.so");
  }
  // Every built plug-in, under its own name.
  void CopyBuiltPlugins() const {
    std::filesystem::create_directories(Path() / "nvr");
    for (const auto& entry : std::filesystem::directory_iterator(BuiltProgramFolder() / "nvr")) {
      if (entry.path().extension() == ".nvr") Copy(entry.path(), "nvr/" + entry.path().filename().string());
    }
  }
  // A built plug-in ("MatchCouple.nvr") under a name of the test's choice.
  void CopyBuiltPlugin(std::string_view name, std::string_view asName) const {
    Copy(BuiltProgramFolder() / "nvr" / std::string(name), "nvr/" + std::string(asName));
  }
  // The four delivered plug-ins, each of which must have been built.
  void CopyDeliveredPlugins() const {
    for (std::string name : {"MatchCouple", "MatchLover", "TacticCouple", "TacticLover"}) {
      CopyBuiltPlugin(name + ".nvr", name + ".nvr");
    }
  }
  // A library built for the tests, from the folder it was built into, under a name (and
  // a subfolder, "nvr/...") of the test's choice.
  void CopyFixture(const std::filesystem::path& fixtureFolder, std::string_view fixture,
                   std::string_view asName) const {
    Copy(fixtureFolder / std::string(fixture), std::string(asName));
  }

  // A stand-in companion program ("NuvaroHelp", "NuvaroNavi") that notes each start in
  // companions.log and ends at once.
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
