#include "calendar/sexagenary.h"

#include <cmath>
#include <cstdlib>

#include "calendar/calendar_texts_cp932.h"

namespace nuvaro::calendar {
namespace {

constexpr std::string_view kStems[10] = {texts::kStem1, texts::kStem2, texts::kStem3, texts::kStem4,
                                         texts::kStem5, texts::kStem6, texts::kStem7, texts::kStem8,
                                         texts::kStem9, texts::kStem10};
// Entry 0 stands for "no branch".
constexpr std::string_view kBranches[13] = {"",
                                            texts::kBranch1, texts::kBranch2,  texts::kBranch3,
                                            texts::kBranch4, texts::kBranch5,  texts::kBranch6,
                                            texts::kBranch7, texts::kBranch8,  texts::kBranch9,
                                            texts::kBranch10, texts::kBranch11, texts::kBranch12};

// Decimal years per day (1 / 365.25) for the day count's calendar switch test.
constexpr double kYearsPerDay = 0.0027378507871321013;
// First decimal year counted in the Gregorian calendar (October 1582).
constexpr double kGregorianStart = 1582.78;

// The position in the cycle, 1 to 60, of a count: its remainder modulo 60, 60 for 0.
// The remainder is taken upwards for negative counts (dates before 1858-11-26 and
// years before 3), so that every date gets a valid name continuing the cycle.
int CyclePosition(long long count) {
  long long r = count % kSexagenaryCycle;
  if (r < 0) r += kSexagenaryCycle;
  return r == 0 ? kSexagenaryCycle : static_cast<int>(r);
}

long long DayCount(int year, int month, int day) {
  int y = year;
  int m = month;
  double t = (y + (m - 1) / 12) + (day - 1) * kYearsPerDay;
  if (m <= 2) {
    m += 12;
    y -= 1;
  }
  double monthDays = std::trunc((m - 2) * 30.59);
  if (t >= kGregorianStart) {
    return static_cast<long long>(std::trunc(y * 365.25)) + y / 400 - y / 100 +
           static_cast<long long>(monthDays) - 678912;
  }
  if (y >= 0) {
    return static_cast<long long>(std::trunc(y * 365.25)) + static_cast<long long>(monthDays) - 678914;
  }
  return static_cast<long long>(std::trunc(std::abs(y) * -365.25)) + static_cast<long long>(monthDays) - 678915;
}

}  // namespace

std::string SexagenaryName(int k) {
  if (k < 1 || k > kSexagenaryCycle) return {};
  std::string name(kStems[(k - 1) % 10]);
  name += kBranches[1 + (k - 1) % 12];
  return name;
}

SexagenaryNameSet SexagenaryNames(int year, int month, int day) {
  SexagenaryNameSet names;
  names.year = SexagenaryName(CyclePosition(static_cast<long long>(year) - 3));
  long long yearInFive = (static_cast<long long>(year) + 1) % 5;
  if (yearInFive < 0) yearInFive += 5;
  names.month = SexagenaryName(CyclePosition(month + yearInFive * 12 + 1));
  names.day = SexagenaryName(CyclePosition(DayCount(year, month, day) + day - 9));
  return names;
}

int BranchIndex(std::string_view name) {
  if (name.size() != 4) return 0;
  std::string_view branch = name.substr(2);
  for (int i = 1; i < 13; ++i) {
    if (kBranches[i] == branch) return i;
  }
  return 0;
}

}  // namespace nuvaro::calendar
