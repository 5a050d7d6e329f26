// One drawing's worth of calendar data (BuildCalendarMonth) under each reckoning: the
// short-series old calendar is the baseline; the exact one is timed for a first drawing
// (every new moon and principal term computed from the ephemeris) and for a drawing
// whose events were computed before. Months: ordinary years, the 13-month year of 2033
// (leap-month search) and the end of the range.
#include <benchmark/benchmark.h>

#include <string>

#include "calendar/astronomical_events.h"
#include "calendar/calendar_month.h"

namespace {

using namespace nuvaro::calendar;

struct Month {
  int year, month;
};
constexpr Month kMonths[] = {{2003, 8}, {2017, 3}, {2033, 12}, {2034, 1}, {2099, 12}};

void Run(benchmark::State& state, CalendarChoices choices, bool cold) {
  const Month& m = kMonths[state.range(0)];
  for (auto _ : state) {
    if (cold) {
      state.PauseTiming();
      ForgetAstronomicalEvents();
      state.ResumeTiming();
    }
    CalendarMonth month = BuildCalendarMonth(m.year, m.month, choices);
    benchmark::DoNotOptimize(month);
  }
  state.SetLabel(std::to_string(m.year) + "-" + std::to_string(m.month));
}

void BM_SeriesMonth(benchmark::State& state) { Run(state, CalendarChoices{true, false}, false); }
void BM_ExactMonthFirstDrawing(benchmark::State& state) { Run(state, CalendarChoices{true, true}, true); }
void BM_ExactMonthLaterDrawing(benchmark::State& state) { Run(state, CalendarChoices{true, true}, false); }

BENCHMARK(BM_SeriesMonth)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExactMonthFirstDrawing)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExactMonthLaterDrawing)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
