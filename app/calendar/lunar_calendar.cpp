#include "calendar/lunar_calendar.h"

#include <cmath>

#include "calendar/celestial_longitude.h"
#include "calendar/day_number.h"

namespace nuvaro::calendar {
namespace {

// Both searches stop when a correction is at most one second.
constexpr double kOneSecond = 0.000011574074074074073;
// Days per degree of solar longitude (365.2 / 360) and of lunar elongation (29.530589 / 360).
constexpr double kDaysPerSolarDegree = 1.0144444444444445;
constexpr double kDaysPerElongationDegree = 0.08202941388888889;
// 1 / 90 and 1 / 30.
constexpr double kPerQuarter = 0.011111111111111112;
constexpr double kPerPrincipalTerm = 0.03333333333333333;

// The solar-term search converges within a few steps for every date; this bound only
// keeps an input such as NaN from spinning forever.
constexpr int kSolarTermIterationGuard = 1000;

// The new-moon search restarts from 26 days earlier at this step and gives up after
// the second.
constexpr int kNewMoonRestartStep = 15;
constexpr int kNewMoonLastStep = 30;

constexpr int kTermCount = 4;

// Moves the instant (t1 whole, t2 fraction) back by delta days, keeping t2 at 0 or more.
void StepBack(double& t1, double& t2, double delta1, double delta2) {
  t1 = t1 - delta1;
  t2 = t2 - delta2;
  if (t2 < 0) {
    t2 = t2 + 1;
    t1 = t1 - 1;
  }
}

int NextMonthNumber(int number) {
  int next = number + 1;
  return next > 12 ? next - 12 : next;
}

}  // namespace

SolarTerm PrecedingSolarTerm(double x, int step) {
  double t1 = std::trunc(x);
  double t2 = x - t1 - kLocalTimeOffset;
  double perStep = step == 90 ? kPerQuarter : step == 30 ? kPerPrincipalTerm : 1.0 / step;

  double longitude = SunLongitude(SeriesArgument(t1, t2));
  double target = step * std::trunc(longitude * perStep);

  // The first pass evaluates the sun at the same instant as above; the value is reused.
  for (int pass = 0; pass < kSolarTermIterationGuard; ++pass) {
    if (pass > 0) longitude = SunLongitude(SeriesArgument(t1, t2));
    double difference = longitude - target;
    if (difference > 180) {
      difference -= 360;
    } else if (difference < -180) {
      difference += 360;
    }
    double delta = difference * kDaysPerSolarDegree;
    double delta1 = std::trunc(delta);
    double delta2 = delta - delta1;
    StepBack(t1, t2, delta1, delta2);
    if (std::fabs(delta1 + delta2) <= kOneSecond) break;
  }
  return {t2 + t1 + kLocalTimeOffset, target};
}

double NewMoonNear(double x) {
  double t1 = std::trunc(x);
  double t2 = x - t1 - kLocalTimeOffset;
  double delta1 = 0;
  double delta2 = 0;
  int n = 1;
  do {
    double t = SeriesArgument(t1, t2);
    double sun = SunLongitude(t);
    double moon = MoonLongitude(t);
    double elongation = moon - sun;
    if (n == 1 && elongation < 0) {
      elongation = NormalizeAngle(elongation);
    } else if (sun >= 0 && sun <= 20 && moon >= 300) {
      // Around the spring equinox the sun's longitude wraps before the moon's.
      elongation = 360 - NormalizeAngle(elongation);
    } else if (std::fabs(elongation) > 40) {
      elongation = NormalizeAngle(elongation);
    }
    double delta = elongation * kDaysPerElongationDegree;
    delta1 = std::trunc(delta);
    delta2 = delta - delta1;
    StepBack(t1, t2, delta1, delta2);
    if (std::fabs(delta1 + delta2) > kOneSecond) {
      if (n == kNewMoonRestartStep) {
        t1 = std::trunc(x - 26);
        t2 = 0;
      } else if (n > kNewMoonLastStep) {
        return x + kLocalTimeOffset;
      }
    }
    ++n;
  } while (std::fabs(delta1 + delta2) > kOneSecond);
  return t2 + t1 + kLocalTimeOffset;
}

LunarMonthSpan LunarMonthsFrom(const SolarTerm& quarterTerm) {
  SolarTerm chu[kTermCount];
  chu[0] = quarterTerm;
  for (int i = 1; i < kTermCount; ++i) chu[i] = PrecedingSolarTerm(chu[i - 1].instant + 32, 30);

  double saku[kNewMoonCount];
  saku[0] = NewMoonNear(chu[0].instant);
  for (int i = 1; i < kNewMoonCount; ++i) {
    saku[i] = NewMoonNear(saku[i - 1] + 30);
    // The same new moon found again: search from further on.
    if (std::fabs(std::trunc(saku[i - 1]) - std::trunc(saku[i])) <= 26) saku[i] = NewMoonNear(saku[i - 1] + 35);
  }

  // Make saku[0] the new moon that begins the month holding chu[0].
  double firstTermDay = std::trunc(chu[0].instant);
  if (std::trunc(saku[1]) <= firstTermDay) {
    for (int i = 0; i < kNewMoonCount - 1; ++i) saku[i] = saku[i + 1];
    saku[4] = NewMoonNear(saku[3] + 35);
  } else if (std::trunc(saku[0]) > firstTermDay) {
    for (int i = kNewMoonCount - 1; i > 0; --i) saku[i] = saku[i - 1];
    saku[0] = NewMoonNear(saku[1] - 27);
  }

  // Five new moons with only four principal terms: one of the months has none.
  bool leapPending = std::trunc(chu[3].instant) >= std::trunc(saku[4]);

  LunarMonthSpan span;
  LunarMonth* months = span.months;
  int firstNumber = 2 + static_cast<int>(std::trunc(chu[0].longitude / 30));
  months[0] = {firstNumber > 12 ? firstNumber - 12 : firstNumber, 0, std::trunc(saku[0])};
  for (int i = 1; i < kNewMoonCount; ++i) {
    if (leapPending && i != 1) {
      double termDay = std::trunc(chu[i - 1].instant);
      if (termDay <= std::trunc(saku[i - 1]) || termDay >= std::trunc(saku[i])) {
        months[i - 1] = {months[i - 2].number, 1, std::trunc(saku[i - 1])};
        leapPending = false;
      }
    }
    months[i] = {NextMonthNumber(months[i - 1].number), 0, std::trunc(saku[i])};
  }
  return span;
}

LunarDate LunarDateIn(const LunarMonthSpan& span, double x) {
  const LunarMonth* months = span.months;
  double d = std::trunc(x);
  int found = kNewMoonCount - 1;
  for (int i = 0; i < kNewMoonCount; ++i) {
    if (months[i].firstDay > d) {
      // A date before the first month cannot arise from the searches above; should a
      // failed search produce one, month 0 is taken instead of reading before the array.
      found = i > 0 ? i - 1 : 0;
      break;
    }
    if (months[i].firstDay == d) {
      found = i;
      break;
    }
  }

  LunarDate lunar;
  lunar.leap = months[found].leap;
  lunar.month = months[found].number;
  lunar.day = static_cast<int>(d - months[found].firstDay) + 1;
  CivilDateTime civil = DayNumberToCivil(x);
  lunar.year = civil.year;
  if (lunar.month > 9 && lunar.month > civil.month) lunar.year -= 1;
  return lunar;
}

LunarDate CivilToLunar(double x) { return LunarDateIn(LunarMonthsFrom(PrecedingSolarTerm(x, 90)), x); }

}  // namespace nuvaro::calendar
