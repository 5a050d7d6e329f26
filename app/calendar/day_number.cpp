#include "calendar/day_number.h"

#include <cmath>

namespace nuvaro::calendar {
namespace {

constexpr double kHoursPerSecond = 0.0002777777777777778;
constexpr double kHoursPerMinute = 0.016666666666666666;
constexpr double kDaysPerHour = 0.041666666666666664;
constexpr double kSecondsPerDay = 86400;

}  // namespace

double CivilToDayNumber(int year, int month, int day, int hour, int minute, int second) {
  int y = year;
  int m = month;
  if (m < 3) {
    y -= 1;
    m += 12;
  }
  return std::trunc(y * 365.25) + std::trunc(y * 0.0025) - std::trunc(y * 0.01) + std::trunc((m - 2) * 30.59) +
         1721088 + day + (second * kHoursPerSecond + minute * kHoursPerMinute + hour) * kDaysPerHour;
}

CivilDateTime DayNumberToCivil(double x) {
  // Every intermediate value is truncated toward zero, as the integer steps of the
  // classic day-number inversion require.
  double x0 = std::trunc(x + 68570);
  double x1 = std::trunc(x0 * 0.000027379070069885075);
  double x2 = x0 - std::trunc(x1 * 36524.25 + 0.75);
  double x3 = std::trunc((x2 + 1) * 0.002737907006988508);
  double x4 = x2 - std::trunc(x3 * 365.25) + 31;
  double x5 = std::trunc(std::trunc(x4) * 0.032690421706440015);
  double day = std::trunc(x4 - std::trunc(x5 * 30.59));
  double x6 = std::trunc(std::trunc(x5) * 0.09090909090909091);
  double month = std::trunc(x5 - x6 * 12 + 2);
  double year = std::trunc((x1 - 49) * 100 + x3 + x6);

  CivilDateTime civil;
  civil.year = static_cast<int>(year);
  civil.month = static_cast<int>(month);
  civil.day = static_cast<int>(day);
  if (civil.month == 2 && civil.day > 28) {
    if (civil.year % 100 == 0 && civil.year % 400 == 0) {
      civil.day = 29;
    } else if (civil.year % 4 == 0) {
      civil.day = 29;
    } else {
      civil.day = 28;
    }
  }

  double f = (x - std::trunc(x)) * kSecondsPerDay;
  double hour = std::trunc(f * kHoursPerSecond);
  f = f - hour * 3600;
  double minute = std::trunc(f * kHoursPerMinute);
  double second = std::trunc(f - minute * 60);
  civil.hour = static_cast<int>(hour);
  civil.minute = static_cast<int>(minute);
  civil.second = static_cast<int>(second);
  return civil;
}

}  // namespace nuvaro::calendar
