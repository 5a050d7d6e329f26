// A small plug-in host for tests: loads a built <Name>.nvr from the program folder's nvr
// folder (NUVARO_BIN_DIR) the way the program does and binds all fifteen exports.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "nuvaro_plugin.h"
#include "platform/core/dynamic_library.h"
#include "platform/core/file_system.h"

namespace nuvaro::testing {

// The four delivered plug-ins, in file-name order (the program's load order).
inline const std::vector<std::string> kPluginNames = {"MatchCouple", "MatchLover", "TacticCouple", "TacticLover"};

inline std::string ProgramFolder() {
  const char* dir = std::getenv("NUVARO_BIN_DIR");
  return dir != nullptr ? std::string(dir) + "/" : std::string("./");
}

inline std::string PluginFolder() { return ProgramFolder() + "nvr/"; }

// The four sums a reading uses, in the order honsyou, chikaku, aijyou, shinrei.
struct Sums {
  int honsyou = 0;
  int chikaku = 0;
  int aijyou = 0;
  int shinrei = 0;
};

inline SoulSums ToSoulSums(const Sums& sums) {
  SoulSums soul;
  std::memset(&soul, 0, sizeof soul);
  soul.honsyou = static_cast<std::int16_t>(sums.honsyou);
  soul.chikaku = static_cast<std::int16_t>(sums.chikaku);
  soul.aijyou = static_cast<std::int16_t>(sums.aijyou);
  soul.shinrei = static_cast<std::int16_t>(sums.shinrei);
  return soul;
}

class TestPlugin {
 public:
  // Loads nvr/<name>.nvr; a failure is a test failure (check Loaded()).
  explicit TestPlugin(const std::string& name) : name_(name) {
    std::string path = PluginFolder() + name + ".nvr";
    if (!library_.Load(path)) {
      ADD_FAILURE() << "cannot load " << path << ": " << library_.LastError();
      return;
    }
    Bind(startUp, "NVRStartUp");
    Bind(cleanUp, "NVRCleanUp");
    Bind(getPlugName, "NVRGetPlugName");
    Bind(versionInfo, "NVRVersionInfo");
    Bind(getGuideForm, "NVRGetGuideForm");
    Bind(getMenuForm, "NVRGetMenuForm");
    Bind(getDetailForm, "NVRGetDetailForm");
    Bind(getPersentageForm, "NVRGetPersentageForm");
    Bind(getGroup, "NVRGetGroup");
    Bind(isViewWindow, "NVRIsViewWindow");
    Bind(viewCreate, "NVRViewCreate");
    Bind(getNuvaroData, "NVRGetNuvaroData");
    Bind(setEvent, "NVRSetEvent");
    Bind(getEvent, "NVRGetEvent");
    Bind(setting, "NVRSetting");
  }

  bool Loaded() const { return library_.IsLoaded() && allBound_; }
  const std::string& Name() const { return name_; }

  // One pair reading from a zero-filled record, as the program asks for it.
  NuvaroData Read(const Sums& self, const Sums& other, bool otherIsMale = true) const {
    NuvaroData data;
    std::memset(&data, 0, sizeof data);
    data.otherIsMale = otherIsMale ? 1 : 0;
    data.self = ToSoulSums(self);
    data.other = ToSoulSums(other);
    EXPECT_EQ(getNuvaroData(&data), 1);
    return data;
  }

  NVRStartUpFunction startUp = nullptr;
  NVRCleanUpFunction cleanUp = nullptr;
  NVRGetPlugNameFunction getPlugName = nullptr;
  NVRVersionInfoFunction versionInfo = nullptr;
  NVRGetGuideFormFunction getGuideForm = nullptr;
  NVRGetMenuFormFunction getMenuForm = nullptr;
  NVRGetDetailFormFunction getDetailForm = nullptr;
  NVRGetPersentageFormFunction getPersentageForm = nullptr;
  NVRGetGroupFunction getGroup = nullptr;
  NVRIsViewWindowFunction isViewWindow = nullptr;
  NVRViewCreateFunction viewCreate = nullptr;
  NVRGetNuvaroDataFunction getNuvaroData = nullptr;
  NVRSetEventFunction setEvent = nullptr;
  NVRGetEventFunction getEvent = nullptr;
  NVRSettingFunction setting = nullptr;

 private:
  template <typename Function>
  void Bind(Function& function, const char* name) {
    function = library_.Lookup<Function>(name);
    if (function == nullptr) {
      allBound_ = false;
      ADD_FAILURE() << name_ << " has no export " << name;
    }
  }

  std::string name_;
  platform::DynamicLibrary library_;
  bool allBound_ = true;
};

}  // namespace nuvaro::testing
