#include "naming/finder_settings.h"

#include "platform/core/data_folder.h"
#include "platform/core/file_system.h"
#include "platform/core/profile_file.h"

namespace nuvaro::naming {
namespace {

constexpr char kSection[] = "Finder";

int ReadChoice(const char* key, int count, const std::string& path) {
  const int value = platform::GetPrivateProfileInt(kSection, key, 0, path);
  return value >= 0 && value < count ? value : 0;
}

std::string Line(std::string_view key, std::string_view value) {
  return std::string(key) + "=" + std::string(value) + "\r\n";
}

}  // namespace

FinderSettings LoadFinderSettings(int columnCount) {
  const std::string path = platform::DataFile(kFinderSettingsFileName);
  FinderSettings settings;
  NameQuery& query = settings.query;
  query.sex = static_cast<SexFilter>(ReadChoice("Sex", 3, path));
  query.readingMatch = static_cast<ReadingMatch>(ReadChoice("ReadingMatch", 3, path));
  query.length = ReadChoice("Length", kMaxGivenNameLength + 1, path);
  query.script = static_cast<ScriptFilter>(ReadChoice("Script", 3, path));
  query.minStrokes = ReadChoice("MinStrokes", 91, path);
  query.maxStrokes = ReadChoice("MaxStrokes", 91, path);
  query.mustContain = platform::GetPrivateProfileString(kSection, "Has", "", path);
  query.mustNotContain = platform::GetPrivateProfileString(kSection, "Not", "", path);
  settings.readingText = platform::GetPrivateProfileString(kSection, "Reading", "", path);
  for (int column = 0; column < columnCount; ++column) {
    settings.columnWidths.push_back(ReadChoice(("Column" + std::to_string(column)).c_str(), 2000, path));
  }
  return settings;
}

bool SaveFinderSettings(const FinderSettings& settings) {
  const NameQuery& query = settings.query;
  std::string text = "[" + std::string(kSection) + "]\r\n";
  text += Line("Sex", std::to_string(static_cast<int>(query.sex)));
  text += Line("Reading", settings.readingText);
  text += Line("ReadingMatch", std::to_string(static_cast<int>(query.readingMatch)));
  text += Line("Length", std::to_string(query.length));
  text += Line("Has", query.mustContain);
  text += Line("Not", query.mustNotContain);
  text += Line("Script", std::to_string(static_cast<int>(query.script)));
  text += Line("MinStrokes", std::to_string(query.minStrokes));
  text += Line("MaxStrokes", std::to_string(query.maxStrokes));
  for (std::size_t column = 0; column < settings.columnWidths.size(); ++column) {
    text += Line("Column" + std::to_string(column), std::to_string(settings.columnWidths[column]));
  }
  return platform::WriteWholeFileSafely(platform::DataFile(kFinderSettingsFileName), text);
}

}  // namespace nuvaro::naming
