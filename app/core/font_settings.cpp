#include "core/font_settings.h"

#include "core/core_texts.h"
#include "platform/core/paths.h"
#include "platform/core/profile_file.h"

namespace nuvaro::core {
namespace {

constexpr char kFontSection[] = "Font";

}  // namespace

FontSettings ReadFontSettings(const std::string& iniPath) {
  FontSettings settings;
  settings.guideFontName =
      platform::GetPrivateProfileString(kFontSection, "GuideFontName", texts::kDefaultGuideFontName, iniPath);
  settings.nuvaroFontName =
      platform::GetPrivateProfileString(kFontSection, "NuvaroFontName", texts::kDefaultNuvaroFontName, iniPath);
  settings.contentsFontName =
      platform::GetPrivateProfileString(kFontSection, "ContentsFontName", texts::kDefaultContentsFontName, iniPath);
  return settings;
}

const FontSettings& ProgramFontSettings() {
  static const FontSettings settings = ReadFontSettings(platform::ProgramFile(kSettingsFileName));
  return settings;
}

std::string ReadProgramSetting(const std::string& section, const std::string& key, const std::string& defaultValue) {
  return platform::GetPrivateProfileString(section, key, defaultValue, platform::ProgramFile(kSettingsFileName));
}

}  // namespace nuvaro::core
