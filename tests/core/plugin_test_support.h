// A program folder with plug-ins for the host tests, and the call log the fake
// plug-ins write.
#pragma once

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "program_folder.h"
#include "recording_message_sink.h"

namespace nuvaro::testing {

class PluginFolderTest : public ::testing::Test {
 protected:
  PluginFolderTest() { setenv("NUVARO_FAKE_PLUGIN_LOG", folder.File("calls.log").c_str(), 1); }
  ~PluginFolderTest() override { unsetenv("NUVARO_FAKE_PLUGIN_LOG"); }

  // Copies a fake plug-in ("A", "B", "S", "V", "Bare") into nvr/ under the given name.
  void AddFake(const std::string& fake, const std::string& asName) const {
    folder.CopyFixture(NUVARO_CORE_FIXTURE_DIR, "Fake" + fake + ".nvr", "nvr/" + asName);
  }

  // The calls logged by the fake plug-ins so far, one "<name>:<call>" each.
  std::vector<std::string> Calls() const {
    std::vector<std::string> calls;
    std::istringstream in(folder.Read("calls.log"));
    for (std::string line; std::getline(in, line);) calls.push_back(line);
    return calls;
  }
  void ClearCalls() const { folder.Write("calls.log", ""); }

  ProgramFolder folder;
  RecordingMessageSink sink;
};

}  // namespace nuvaro::testing
