// The full screen repaint of the fortune calendar's grid: an off-screen image of the
// grid at its on-screen size, with every text and face, the readings asked of the
// engine for every day. Measured with the month's labels computed together (as the
// window draws), with the labels from the ephemeris (a later drawing: the month's new
// moons and terms already known), without the almanac line (the cells otherwise show it)
// and, as the baseline, with two conversions per day.
// Target: at most 8 ms per repaint at 1x scale.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>
#include <string>
#include <vector>

#include "calendar/civil_date.h"
#include "calendar/old_calendar_label.h"
#include "calendar/rokuyou.h"
#include "nuvacalc.h"
#include "platform/core/encoding.h"
#include "ui/calendar/calendar_window.h"
#include "ui/calendar/month_grid_painter.h"
#include "ui/fonts/font_substitutions.h"

namespace {

using namespace nuvaro;

struct Month {
  int year, month;
};
constexpr Month kMonths[] = {{2003, 8}, {2006, 1}, {2009, 2}, {2033, 12}};

const calendar::DayReadingEngine kEngine{CalculateSoul, GetUnseiCalendar};

std::vector<calendar::DayLabels> LabelsDayByDay(int year, int month) {
  std::vector<calendar::DayLabels> labels;
  for (int day = 1; day <= calendar::DaysInMonth(year, month); ++day) {
    labels.push_back({calendar::OldCalendarLabel(year, month, day), calendar::RokuyouLabel(year, month, day)});
  }
  return labels;
}

// NoAlmanac: the month's labels with the almanac line switched off ("Rekichu" 0).
enum class Labels { Month, Exact, DayByDay, NoAlmanac };

void Repaint(benchmark::State& state, Labels labels) {
  const Month& m = kMonths[state.range(0)];
  ui::MonthGridRequest request;
  request.year = m.year;
  request.month = m.month;
  request.surname = platform::Utf8ToCp932("山田").value_or("");
  request.givenName = platform::Utf8ToCp932("花子").value_or("");
  request.engine = &kEngine;
  request.settings.choices.exactLunar = labels == Labels::Exact;
  request.settings.choices.showAlmanac = labels != Labels::NoAlmanac;
  if (labels == Labels::DayByDay) {
    request.sources = calendar::MonthSourcesFor(request.settings.choices);
    request.sources->dayLabels = LabelsDayByDay;
  }
  QSize size = ui::CalendarGridSize();
  for (auto _ : state) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    ui::DrawMonthGrid(painter, QRect(QPoint(0, 0), size), request, 0);
    painter.end();
    benchmark::DoNotOptimize(image);
  }
  state.SetLabel(std::to_string(m.year) + "-" + std::to_string(m.month));
}

void BM_GridRepaint(benchmark::State& state) { Repaint(state, Labels::Month); }
void BM_GridRepaintExactLabels(benchmark::State& state) { Repaint(state, Labels::Exact); }
void BM_GridRepaintTwoConversionsPerDay(benchmark::State& state) { Repaint(state, Labels::DayByDay); }
void BM_GridRepaintWithoutAlmanac(benchmark::State& state) { Repaint(state, Labels::NoAlmanac); }

BENCHMARK(BM_GridRepaint)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridRepaintExactLabels)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridRepaintTwoConversionsPerDay)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridRepaintWithoutAlmanac)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // Fonts need a GUI application; nothing is shown.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  nuvaro::ui::InstallFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
