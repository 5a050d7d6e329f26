// The almanac's costs against a baseline measured in the same run, the series month of
// the old calendar (BuildCalendarMonth without the ephemeris) for twelve months:
//  - every solar term, seasonal day and lucky day of 2000 to 2099 from nothing (the
//    terms are then kept), the way the first use in a session computes them; measured
//    also against 2,400 evaluations of the sun from the ephemeris in the same iteration,
//    one per term, the floor of any search that asks the ephemeris at every term
//    (counters: ms and sun_ms of processor time, over_sun their ratio);
//  - a year's iCalendar text with the daily rokuyou and a person's day readings;
//  - a ten-year lucky-day search with the almanac kept.
// The targets are 200 ms, 100 ms and 50 ms.
#include <benchmark/benchmark.h>
#include <time.h>

#include "calendar/almanac.h"
#include "calendar/almanac_export.h"
#include "calendar/almanac_search.h"
#include "calendar/calendar_month.h"
#include "calendar/ephemeris.h"
#include "nuvacalc.h"

namespace {

using namespace nuvaro::calendar;

const DayReadingEngine kEngine{&CalculateSoul, &GetUnseiCalendar};
// 山田 太郎 in CP932.
const std::string kName = "\x8e\x52\x93\x63 \x91\xbe\x98\x59";

void BM_BaselineSeriesYear(benchmark::State& state) {
  for (auto _ : state) {
    for (int month = 1; month <= 12; ++month) {
      CalendarMonth m = BuildCalendarMonth(2027, month, CalendarChoices{true, false});
      benchmark::DoNotOptimize(m);
    }
  }
}

double ThreadMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// One evaluation of the sun per term of the century, near each term's instant.
double SunEvaluationsMilliseconds() {
  constexpr double kFirstTerm = 2451579.0;  // near 立春 2000, Julian ephemeris day
  constexpr double kTermDays = 365.242189 / 24;
  double start = ThreadMilliseconds();
  double sum = 0;
  for (int n = 0; n < 2400; ++n) sum += ApparentSunLongitude(kFirstTerm + kTermDays * n);
  benchmark::DoNotOptimize(sum);
  return ThreadMilliseconds() - start;
}

void BM_AlmanacCenturyFromNothing(benchmark::State& state) {
  double century = 0, sun = 0;
  for (auto _ : state) {
    state.PauseTiming();
    ForgetAlmanac();
    sun += SunEvaluationsMilliseconds();
    state.ResumeTiming();
    double start = ThreadMilliseconds();
    for (int year = 2000; year <= 2099; ++year) benchmark::DoNotOptimize(AlmanacYear(year).data());
    century += ThreadMilliseconds() - start;
  }
  double n = static_cast<double>(state.iterations());
  state.counters["ms"] = century / n;
  state.counters["sun_ms"] = sun / n;
  state.counters["over_sun"] = sun > 0 ? century / sun : 0;
}

void BM_ICalendarYearWithDailyItems(benchmark::State& state) {
  AlmanacExportRequest request;
  request.from = {2027, 1, 1};
  request.to = {2027, 12, 31};
  request.engine = &kEngine;
  request.fullName = kName;
  AlmanacYear(2027);
  for (auto _ : state) {
    std::string text = AlmanacICalendar(request, {2027, 1, 1, 0, 0, 0});
    benchmark::DoNotOptimize(text);
  }
}

void BM_LuckyDaySearchTenYears(benchmark::State& state) {
  LuckyDayCriteria criteria;
  criteria.rekichu = {Rekichu::kIchiryuManbai, Rekichu::kTensha};
  criteria.notButsumetsu = true;
  for (int year = 2027; year <= 2036; ++year) AlmanacYear(year);
  for (auto _ : state) {
    auto days = FindLuckyDays({2027, 1, 1}, {2036, 12, 31}, criteria, CalendarChoices{}, &kEngine, kName);
    benchmark::DoNotOptimize(days);
  }
}

BENCHMARK(BM_BaselineSeriesYear)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlmanacCenturyFromNothing)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ICalendarYearWithDailyItems)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LuckyDaySearchTenYears)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
