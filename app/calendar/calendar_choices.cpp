#include "calendar/calendar_choices.h"

#include <optional>
#include <utility>

#include "platform/core/file_system.h"
#include "platform/core/profile_file.h"

namespace nuvaro::calendar {

CalendarChoices ReadCalendarChoices(const platform::IniFile& ini) { return ReadCalendarChoicesFrom(ini.Path()); }

CalendarChoices ReadCalendarChoicesFrom(const std::string& path) {
  CalendarChoices choices;
  auto read = [&path](const char* key, int defaultValue) {
    return platform::GetPrivateProfileInt(kChoicesSection, key, defaultValue, path) != 0;
  };
  choices.currentHolidayLaw = read(kHolidayLawKey, kHolidayLawDefault);
  choices.exactLunar = read(kExactLunarKey, kExactLunarDefault);
  choices.showAlmanac = read(kRekichuKey, kRekichuDefault);
  return choices;
}

std::vector<CalendarChoiceValue> CalendarChoiceValues(const CalendarChoices& choices) {
  return {{kHolidayLawKey, choices.currentHolidayLaw ? 1 : 0},
          {kExactLunarKey, choices.exactLunar ? 1 : 0},
          {kRekichuKey, choices.showAlmanac ? 1 : 0}};
}

std::string WithCalendarChoices(std::string text, const CalendarChoices& choices) {
  for (const CalendarChoiceValue& choice : CalendarChoiceValues(choices)) {
    text = platform::SetProfileValue(text, kChoicesSection, choice.key, std::to_string(choice.value));
  }
  return text;
}

bool WriteCalendarChoices(const platform::IniFile& ini, const CalendarChoices& choices) {
  std::optional<std::string> text = platform::ReadProfileForRewrite(ini.Path());
  return text && platform::WriteWholeFileSafely(ini.Path(), WithCalendarChoices(std::move(*text), choices));
}

}  // namespace nuvaro::calendar
