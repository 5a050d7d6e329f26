// Filling the percentage chart from a board of 100 people (the pair computation with
// the real engine and a delivered plug-in included) and painting it at the dialog's
// size. FillAndPaint reports both in milliseconds and their share of a 16 ms frame,
// against an empty chart's painting as the baseline.
#include <benchmark/benchmark.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "core/engine_binding.h"
#include "core/face.h"
#include "core/guide_menu_model.h"
#include "core/plugin_host.h"
#include "platform/core/encoding.h"
#include "ui/chart/chart_fill.h"
#include "ui/chart/chart_layout.h"
#include "ui/chart/chart_painter.h"
#include "ui/fonts/font_substitutions.h"

namespace {

using namespace nuvaro;
using Clock = std::chrono::steady_clock;

constexpr int kPeople = 100;
constexpr int kWidth = 513;
constexpr int kHeight = 291;
constexpr double kFrameMs = 16.0;

struct Model {
  core::EngineBinding engine;
  core::PluginHost plugins;
  core::CFace face;

  Model() {
    if (!engine.Bind() || !plugins.Load()) throw std::runtime_error("engine or plug-ins missing");
    core::BuildGuideMenu(plugins);
    face.CreateSelf();
    face.SetSelf(*platform::Utf8ToCp932("桃 太郎,男,30"));
    const char* surnames[] = {"山田", "佐藤", "鈴木", "高橋", "長谷川", "勅使河原", "伊集院", "渡辺", "小林", "中村"};
    const char* givenNames[] = {"花子", "一郎", "美咲", "健太郎", "恵", "浩", "陽菜", "紀香", "蓮", "葉子"};
    for (int i = 0; i < kPeople; ++i) {
      const std::string member = std::string(surnames[i % 10]) + " " + givenNames[(i / 10) % 10] + "," +
                                 (i % 2 == 0 ? "男" : "女") + "," + std::to_string(10 + (i % 7) * 10);
      face.AddFace(100 + i, 100, *platform::Utf8ToCp932(member), engine);
    }
    if (core::ActivateReading(face, plugins, 1).kind != core::ReadingActivation::Kind::Activated) {
      throw std::runtime_error("no reading to activate");
    }
  }
};

Model& TheModel() {
  static Model model;
  return model;
}

ui::chart::ChartState Filled() {
  ui::chart::ChartState state;
  ui::chart::FillFromBoard(state, &TheModel().face, TheModel().plugins, TheModel().engine, nullptr);
  const QFont font = ui::chart::ChartFont(state);
  const QFontMetrics metrics(font);
  int longest = 0;
  if (auto index = ui::chart::LongestVisibleLabel(state)) {
    longest = metrics.horizontalAdvance(QString::fromStdString(platform::Cp932ToUtf8Lossy(state.visibleItems[*index].label)));
  }
  ui::chart::ComputeLayout(state, longest, metrics.height(), ui::chart::kChartImageWidth, kWidth, kHeight);
  state.bandShading = true;
  return state;
}

void Paint(const ui::chart::ChartState& state, QImage& image) {
  QPainter painter(&image);
  ui::chart::PaintChart(painter, state, image.size(), ui::chart::ChartFont(state));
}

double Milliseconds(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void BM_FillFromBoard(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Filled());
}

void BM_PaintChart(benchmark::State& state) {
  const ui::chart::ChartState chart = Filled();
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    Paint(chart, image);
    benchmark::DoNotOptimize(image.constBits());
  }
}

void BM_FillAndPaint(benchmark::State& state) {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  const ui::chart::ChartState empty;
  double fillMs = 0, paintMs = 0, emptyMs = 0;
  for (auto _ : state) {
    auto start = Clock::now();
    const ui::chart::ChartState chart = Filled();
    fillMs += Milliseconds(start);
    start = Clock::now();
    Paint(chart, image);
    paintMs += Milliseconds(start);
    start = Clock::now();
    Paint(empty, image);
    emptyMs += Milliseconds(start);
    benchmark::DoNotOptimize(image.constBits());
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["fill_ms"] = fillMs / n;
  state.counters["paint_ms"] = paintMs / n;
  state.counters["frame_share"] = (fillMs + paintMs) / n / kFrameMs;
  state.counters["paint_over_empty"] = emptyMs > 0 ? paintMs / emptyMs : 0;
}

BENCHMARK(BM_FillFromBoard)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintChart)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillAndPaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // The engine and plug-ins of the built program folder; no screen needed.
  setenv("NUVARO_PROGRAM_DIR", NUVARO_BIN_DIR_PATH, 0);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication application(argc, argv);
  nuvaro::ui::InstallFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
