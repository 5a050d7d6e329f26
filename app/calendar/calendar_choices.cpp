#include "calendar/calendar_choices.h"

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

bool WriteCalendarChoices(const platform::IniFile& ini, const CalendarChoices& choices) {
  bool law = ini.WriteInt(kChoicesSection, kHolidayLawKey, choices.currentHolidayLaw ? 1 : 0);
  bool lunar = ini.WriteInt(kChoicesSection, kExactLunarKey, choices.exactLunar ? 1 : 0);
  bool almanac = ini.WriteInt(kChoicesSection, kRekichuKey, choices.showAlmanac ? 1 : 0);
  return law && lunar && almanac;
}

}  // namespace nuvaro::calendar
