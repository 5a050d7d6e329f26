// The program's start-up as the user waits for it: the whole start-up sequence (engine,
// plug-ins, both views, the main frame shown and painted) through the application object,
// as a ratio against a baseline measured here: a bare Qt main window shown and painted,
// what any Qt program pays. The name finder's dictionary is not part of the start-up (it
// is read on first use: ProgramStartUp's name_data_read stays 0); NameDataFirstUse
// gives what reading it there would add, against the start-up itself.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <QApplication>
#include <QMainWindow>
#include <QTemporaryDir>

#include <chrono>
#include <cstdlib>
#include <stdexcept>

#include "core/engine_binding.h"
#include "naming/given_name_catalog.h"
#include "naming/given_name_data.h"
#include "ui/app/sdi_win_app.h"
#include "ui/frame/main_frame.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// One bare window, shown and painted.
double QtWindowOnce() {
  const auto start = Clock::now();
  {
    QMainWindow window;
    window.resize(640, 480);
    window.show();
    window.grab();
  }
  QApplication::processEvents();
  return Milliseconds(start);
}

// The program's start-up to a painted main window, and its shut-down.
double ProgramStartUpOnce() {
  const auto start = Clock::now();
  nuvaro::ui::CSDIWinApp program;
  if (!program.InitInstance()) throw std::runtime_error("the program did not start");
  program.MainFrame()->grab();
  const double started = Milliseconds(start);
  program.ExitInstance();
  QApplication::processEvents();
  return started;
}

double BaselineMilliseconds() {
  static const double baseline = [] {
    QtWindowOnce();  // first use of the platform and fonts
    double total = 0;
    constexpr int kRuns = 10;
    for (int i = 0; i < kRuns; ++i) total += QtWindowOnce();
    return total / kRuns;
  }();
  return baseline;
}

void Report(benchmark::State& state, double milliseconds) {
  const double perRun = milliseconds / static_cast<double>(state.iterations());
  state.counters["ms"] = perRun;
  state.counters["baseline_ms"] = BaselineMilliseconds();
  state.counters["this_over_baseline"] = perRun / BaselineMilliseconds();
}

void QtWindow(benchmark::State& state) {
  double total = 0;
  for (auto _ : state) total += QtWindowOnce();
  Report(state, total);
}
BENCHMARK(QtWindow)->Unit(benchmark::kMillisecond);

void ProgramStartUp(benchmark::State& state) {
  ProgramStartUpOnce();  // first loading of the libraries, as after a cold cache
  double total = 0;
  for (auto _ : state) total += ProgramStartUpOnce();
  Report(state, total);
  state.counters["name_data_read"] = nuvaro::naming::GivenNameCatalog::BuiltinLoaded() ? 1 : 0;
}
BENCHMARK(ProgramStartUp)->Unit(benchmark::kMillisecond);

// Reading the name dictionary, as the finder's first opening does.
void NameDataFirstUse(benchmark::State& state) {
  nuvaro::core::EngineBinding engine;
  if (!engine.Bind()) throw std::runtime_error("no engine");
  double total = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    auto catalog = nuvaro::naming::GivenNameCatalog::FromLines(
        std::string_view(nuvaro::naming::kGivenNameData, nuvaro::naming::kGivenNameDataBytes), engine);
    total += Milliseconds(start);
    benchmark::DoNotOptimize(catalog.Size());
  }
  Report(state, total);
  // What reading the dictionary at start-up would make of it.
  double startUp = 0;
  constexpr int kStarts = 5;
  for (int i = 0; i < kStarts; ++i) startUp += ProgramStartUpOnce();
  state.counters["this_over_startup"] = total / static_cast<double>(state.iterations()) / (startUp / kStarts);
}
BENCHMARK(NameDataFirstUse)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("NUVARO_PROGRAM_DIR", NUVARO_BENCH_BIN_DIR, 1);
  QTemporaryDir data;  // the lists of a new user
  setenv("NUVARO_DATA_DIR", (data.path() + QStringLiteral("/")).toUtf8().constData(), 1);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
