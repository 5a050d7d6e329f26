// Any bytes as a whole settings file (nuvaro.ini, Calendar.ini) on disk: the font names
// and the calendar's sixteen numbers read without fault, each within the 500-byte
// buffer; a key written into the file reads back as written, and every other key of
// another section reads as before.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/font_settings.h"
#include "fuzz_folder.h"
#include "platform/core/profile_file.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

struct Key {
  const char* section;
  const char* key;
};
constexpr Key kCalendarKeys[] = {
    {"Display", "Kao"},          {"Display", "Kantei"},         {"Display", "Kyujitu"},  {"Display", "Kyureki"},
    {"Display", "Rokuyou"},      {"Color", "Background"},       {"Color", "Frame"},      {"Color", "HolidayBackground"},
    {"Color", "Holiday"},        {"Color", "WeekBackground"},   {"Color", "Week"},       {"Color", "Rokuyou"},
    {"Color", "OldCalendar"},    {"Color", "HolidayDate"},      {"Color", "WeekDate"},   {"Color", "Data"},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace platform = nuvaro::platform;
  if (size == 0) return 0;
  const std::string path = nuvaro::fuzzing::FuzzFile("settings.ini");
  // The first byte chooses the key that is written and its value; the rest is the file.
  const unsigned choice = data[0];
  std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  nuvaro::fuzzing::WriteFuzzFile(path, text);

  nuvaro::core::FontSettings fonts = nuvaro::core::ReadFontSettings(path);
  Check(fonts.guideFontName.size() < platform::kProfileValueBuffer);
  Check(fonts.contentsFontName.size() < platform::kProfileValueBuffer);
  int before[16];
  for (int i = 0; i < 16; ++i) before[i] = platform::GetPrivateProfileInt(kCalendarKeys[i].section, kCalendarKeys[i].key, -7, path);

  const Key& written = kCalendarKeys[choice % 16];
  const std::string value = std::to_string(static_cast<int>(choice) * 65793 - 8000000);
  Check(platform::WritePrivateProfileString(written.section, written.key, value, path));
  Check(platform::GetPrivateProfileString(written.section, written.key, "-", path) == value);
  Check(platform::GetPrivateProfileInt(written.section, written.key, -7, path) == std::stoi(value));
  for (int i = 0; i < 16; ++i) {
    if (std::string_view(kCalendarKeys[i].section) == written.section) continue;
    Check(platform::GetPrivateProfileInt(kCalendarKeys[i].section, kCalendarKeys[i].key, -7, path) == before[i]);
  }
  return 0;
}
