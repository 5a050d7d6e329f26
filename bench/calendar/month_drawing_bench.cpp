// The computation behind one drawing of the fortune calendar's month: for every day two
// old-calendar conversions (label and rokuyou), the sexagenary branches, one
// CalculateSoul and one GetUnseiCalendar. Reported per month and per conversion; the
// month without its conversions is measured alongside as the baseline they add to, and
// the month with one conversion per day for both labels (LunarDayLabels) and the month's
// labels computed together (MonthDayLabels) as the alternatives. A month should take
// well under 5 ms; the labels computed together should be at least ten times faster
// than two conversions per day (counter "speedup").
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "calendar/civil_date.h"
#include "calendar/day_number.h"
#include "calendar/lunar_calendar.h"
#include "calendar/month_day_labels.h"
#include "calendar/old_calendar_label.h"
#include "calendar/rokuyou.h"
#include "calendar/sexagenary.h"
#include "nuvacalc.h"
#include "platform/core/encoding.h"

namespace {

using namespace nuvaro::calendar;

struct Month {
  int year, month;
};
// Months of different lengths and both ends of the calendar's range.
constexpr Month kMonths[] = {{2000, 1}, {2003, 8}, {2009, 2}, {2033, 12}, {2099, 12}};

std::string Cp932(const char* utf8) { return nuvaro::platform::Utf8ToCp932(utf8).value_or(""); }

void DayReading(int year, int month, int day, bool first, const std::string& sei, const std::string& mei) {
  SoulRecord soul{};
  sei.copy(soul.sei, 19);
  mei.copy(soul.mei, 19);
  CalculateSoul(&soul);
  SexagenaryNameSet names = SexagenaryNames(year, month, day);
  UnseiRecord record{};
  record.yearBranch = static_cast<std::int16_t>(BranchIndex(names.year));
  record.monthBranch = static_cast<std::int16_t>(BranchIndex(names.month));
  record.dayBranch = static_cast<std::int16_t>(BranchIndex(names.day));
  record.honsyou = soul.honsyou;
  record.syakai = soul.syakai;
  record.chikaku = soul.chikaku;
  record.ninki = soul.ninki;
  record.shigoto = soul.shigoto;
  record.aijyou = soul.aijyou;
  record.shinrei = soul.shinrei;
  record.jinkakuA = soul.jinkakuA;
  record.jinkakuB = soul.jinkakuB;
  record.resetState = first ? 1 : 0;
  GetUnseiCalendar(&record);
  std::string copied = record.readingText;  // the grid copies the sentence at once
  benchmark::DoNotOptimize(copied);
}

enum class Labels { kTwoConversions, kOneConversion, kMonthTogether, kNone };

void DrawMonth(benchmark::State& state, Labels labels) {
  const Month& m = kMonths[state.range(0)];
  const std::string sei = Cp932("山田"), mei = Cp932("太郎");
  int days = DaysInMonth(m.year, m.month);
  for (auto _ : state) {
    std::vector<DayLabels> month;
    if (labels == Labels::kMonthTogether) month = MonthDayLabels(m.year, m.month);
    benchmark::DoNotOptimize(month);
    for (int day = 1; day <= days; ++day) {
      if (labels == Labels::kTwoConversions) {
        std::string label = OldCalendarLabel(m.year, m.month, day);
        std::string rokuyou = RokuyouLabel(m.year, m.month, day);
        benchmark::DoNotOptimize(label);
        benchmark::DoNotOptimize(rokuyou);
      } else if (labels == Labels::kOneConversion) {
        DayLabels both = LunarDayLabels(m.year, m.month, day);
        benchmark::DoNotOptimize(both);
      }
      DayReading(m.year, m.month, day, day == 1, sei, mei);
    }
  }
  state.SetLabel(std::to_string(m.year) + "-" + std::to_string(m.month));
  state.counters["days"] = days;
}

void BM_MonthDrawing(benchmark::State& state) { DrawMonth(state, Labels::kTwoConversions); }
void BM_MonthDrawingOneConversionPerDay(benchmark::State& state) { DrawMonth(state, Labels::kOneConversion); }
void BM_MonthDrawingWithoutConversions(benchmark::State& state) { DrawMonth(state, Labels::kNone); }
void BM_MonthDrawingLabelsTogether(benchmark::State& state) { DrawMonth(state, Labels::kMonthTogether); }

// The labels of a month both ways in the same run: two conversions per day against the
// month computed together. The counter "speedup" is the ratio of the two times.
void BM_MonthLabelsSpeedup(benchmark::State& state) {
  const Month& m = kMonths[state.range(0)];
  int days = DaysInMonth(m.year, m.month);
  using Clock = std::chrono::steady_clock;
  Clock::duration perDay{}, together{};
  for (auto _ : state) {
    Clock::time_point start = Clock::now();
    for (int day = 1; day <= days; ++day) {
      std::string label = OldCalendarLabel(m.year, m.month, day);
      std::string rokuyou = RokuyouLabel(m.year, m.month, day);
      benchmark::DoNotOptimize(label);
      benchmark::DoNotOptimize(rokuyou);
    }
    Clock::time_point middle = Clock::now();
    std::vector<DayLabels> month = MonthDayLabels(m.year, m.month);
    benchmark::DoNotOptimize(month);
    Clock::time_point end = Clock::now();
    perDay += middle - start;
    together += end - middle;
  }
  state.SetLabel(std::to_string(m.year) + "-" + std::to_string(m.month));
  auto iterations = static_cast<double>(state.iterations());
  state.counters["per_day_us"] = std::chrono::duration<double, std::micro>(perDay).count() / iterations;
  state.counters["together_us"] = std::chrono::duration<double, std::micro>(together).count() / iterations;
  state.counters["speedup"] = static_cast<double>(perDay.count()) / static_cast<double>(together.count());
}

// One lunisolar conversion of a civil day at 0:00, stepping through 2003.
void BM_LunarConversion(benchmark::State& state) {
  double first = CivilToDayNumber(2003, 1, 1, 0, 0, 0);
  int offset = 0;
  for (auto _ : state) {
    LunarDate lunar = CivilToLunar(first + offset);
    benchmark::DoNotOptimize(lunar);
    offset = (offset + 1) % 365;
  }
}

BENCHMARK(BM_MonthDrawing)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MonthDrawingOneConversionPerDay)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MonthDrawingWithoutConversions)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MonthDrawingLabelsTogether)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MonthLabelsSpeedup)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LunarConversion)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
