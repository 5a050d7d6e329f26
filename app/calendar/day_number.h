// Day numbers on the Julian-day scale counted from local midnight: a whole number at
// 0:00 of a civil day in Japan Standard Time, the fraction being the time of day.
#pragma once

namespace nuvaro::calendar {

struct CivilDateTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// 2000-01-01 0:00 gives 2451544.
double CivilToDayNumber(int year, int month, int day, int hour, int minute, int second);

// The civil date and time of a day number.
CivilDateTime DayNumberToCivil(double x);

}  // namespace nuvaro::calendar
