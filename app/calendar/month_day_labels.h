// The old-calendar label and the rokuyou of every day of one civil month, computed
// together: one solstice-or-equinox search per day, and the new moons and principal
// terms behind it found once for all the days that share that solstice or equinox. The
// texts are the same bytes as OldCalendarLabel and RokuyouLabel day by day (checked for
// every day from 1999-12 to 2100-01).
#pragma once

#include <vector>

#include "calendar/old_calendar_label.h"

namespace nuvaro::calendar {

// Entry d - 1 holds the labels of day d, for every day of the month.
std::vector<DayLabels> MonthDayLabels(int year, int month);

}  // namespace nuvaro::calendar
