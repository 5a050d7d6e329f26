#include "calendar/calendar_choices.h"

#include "platform/core/profile_file.h"

namespace nuvaro::calendar {

CalendarChoices ReadCalendarChoices(const platform::IniFile& ini) { return ReadCalendarChoicesFrom(ini.Path()); }

CalendarChoices ReadCalendarChoicesFrom(const std::string& path) {
  CalendarChoices choices;
  choices.currentHolidayLaw = platform::GetPrivateProfileInt(kChoicesSection, kHolidayLawKey, kHolidayLawDefault, path) != 0;
  choices.exactLunar = platform::GetPrivateProfileInt(kChoicesSection, kExactLunarKey, kExactLunarDefault, path) != 0;
  return choices;
}

bool WriteCalendarChoices(const platform::IniFile& ini, const CalendarChoices& choices) {
  bool law = ini.WriteInt(kChoicesSection, kHolidayLawKey, choices.currentHolidayLaw ? 1 : 0);
  bool lunar = ini.WriteInt(kChoicesSection, kExactLunarKey, choices.exactLunar ? 1 : 0);
  return law && lunar;
}

}  // namespace nuvaro::calendar
