#include "platform/core/data_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "temp_dir.h"

namespace nuvaro::platform {
namespace {

using testing::TempDir;

// Sets or clears an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) setenv(name, value->c_str(), 1);
    else unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_) setenv(name_, old_->c_str(), 1);
    else unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// Where the user's lists go: beside a portable program, in the user's data folder for an
// installed one (also when root could write the program folder), and the test override.
TEST(DataFolder, PortableBesideProgramInstalledInUserFolder) {
  struct Case {
    const char* what;
    bool marker;
    bool override;
    const char* xdg;  // nullptr: unset; "rel": a relative path (ignored)
    const char* expectedUnder;  // "program", "xdg", "home", "override"
  };
  const Case cases[] = {
      {"portable folder", false, false, "xdg", "program"},
      {"installed, XDG set", true, false, "xdg", "xdg"},
      {"installed, XDG unset", true, false, nullptr, "home"},
      {"installed, XDG relative", true, false, "rel", "home"},
      {"override wins", true, true, "xdg", "override"},
  };
  for (const Case& c : cases) {
    TempDir program, home, xdg, over;
    if (c.marker) program.Write(std::string(kInstalledMarker), "installed\n");
    ScopedEnv programDir("NUVARO_PROGRAM_DIR", program.Path().string());
    ScopedEnv homeDir("HOME", home.Path().string());
    ScopedEnv xdgDir("XDG_DATA_HOME", c.xdg == nullptr ? std::nullopt
                                      : std::optional<std::string>(std::string(c.xdg) == "rel" ? "relative/data"
                                                                                              : xdg.Path().string()));
    ScopedEnv overDir("NUVARO_DATA_DIR", c.override ? std::optional<std::string>(over.Path().string()) : std::nullopt);

    std::string expected = std::string(c.expectedUnder) == "program"  ? program.Path().string() + "/"
                           : std::string(c.expectedUnder) == "xdg"    ? xdg.Path().string() + "/nuvaro/"
                           : std::string(c.expectedUnder) == "home"   ? home.Path().string() + "/.local/share/nuvaro/"
                                                                      : over.Path().string() + "/";
    EXPECT_EQ(DataDirectory(), expected) << c.what;
    EXPECT_EQ(DataFile("friend.lst"), expected + "friend.lst") << c.what;
    EXPECT_TRUE(std::filesystem::is_directory(DataDirectory())) << c.what;
    EXPECT_EQ(DataLivesApart(), std::string(c.expectedUnder) != "program") << c.what;
  }
}

}  // namespace
}  // namespace nuvaro::platform
