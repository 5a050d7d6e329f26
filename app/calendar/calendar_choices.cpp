#include "calendar/calendar_choices.h"

namespace nuvaro::calendar {

CalendarChoices ReadCalendarChoices(const platform::IniFile& ini) {
  CalendarChoices choices;
  choices.currentHolidayLaw = ini.ReadInt(kChoicesSection, kHolidayLawKey, kHolidayLawDefault) != 0;
  choices.exactLunar = ini.ReadInt(kChoicesSection, kExactLunarKey, kExactLunarDefault) != 0;
  return choices;
}

bool WriteCalendarChoices(const platform::IniFile& ini, const CalendarChoices& choices) {
  bool law = ini.WriteInt(kChoicesSection, kHolidayLawKey, choices.currentHolidayLaw ? 1 : 0);
  bool lunar = ini.WriteInt(kChoicesSection, kExactLunarKey, choices.exactLunar ? 1 : 0);
  return law && lunar;
}

}  // namespace nuvaro::calendar
