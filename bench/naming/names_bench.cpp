// The name finder's speed and memory. Each figure is given as a ratio against a baseline
// measured here: one pair computation per candidate (core::PairRecord and the reading's
// plug-in, as the board does it), which is what ranking would cost without sharing the
// results of names with the same stroke pattern.
//   RankWholeList    every candidate for 山田 against two board people (goal <= 30 ms)
//   ReadingPrefix    the names whose reading starts with はる, searched and ranked (<= 2 ms)
//   LoadCatalog      building the catalog on first use, and the memory it holds (<= 20 MB)
#include <benchmark/benchmark.h>

#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/engine_binding.h"
#include "core/face.h"
#include "core/guide_menu_model.h"
#include "core/member.h"
#include "core/pair_reading.h"
#include "core/plugin_host.h"
#include "naming/given_name_catalog.h"
#include "naming/given_name_data.h"
#include "naming/name_query.h"
#include "naming/name_ranking.h"
#include "platform/core/encoding.h"

namespace {

namespace core = nuvaro::core;
namespace naming = nuvaro::naming;
using Clock = std::chrono::steady_clock;

std::string Cp932(const char* utf8) { return nuvaro::platform::Utf8ToCp932(utf8).value(); }

// The built program folder with the married-couple compatibility reading active.
struct Program {
  Program() {
    setenv("NUVARO_PROGRAM_DIR", NUVARO_BENCH_BIN_DIR, 1);
    if (!engine.Bind() || !host.Load()) throw std::runtime_error("engine or plug-ins missing");
    core::BuildGuideMenu(host);
    face.CreateSelf();
    face.activeEvent = 1;
    reader = [this](::NuvaroData& record) {
      core::CallSelectedPlugins(host, face, record);
      return record.percentage;
    };
  }
  core::EngineBinding engine;
  core::PluginHost host;
  core::CFace face;
  naming::PairPercentageReader reader;
  const std::vector<naming::RankPerson> persons = {{Cp932("山田 太郎"), true}, {Cp932("鈴木 花子"), false}};
  const std::string surname = Cp932("山田");
};

Program& TheProgram() {
  static Program program;
  return program;
}

// Nanoseconds of one pair computation per candidate, over a sample of the catalog.
double BaselineNanosecondsPerPair() {
  static const double nanoseconds = [] {
    Program& p = TheProgram();
    const naming::GivenNameCatalog& catalog = naming::GivenNameCatalog::Builtin(p.engine);
    const std::size_t sample = std::min<std::size_t>(catalog.Size(), 20000);
    int sink = 0;
    const auto start = Clock::now();
    for (std::size_t i = 0; i < sample; ++i) {
      ::NuvaroData record =
          core::PairRecord(p.persons[0].fullName, core::JoinFullName(p.surname, catalog.Writing(i)), false, p.engine);
      sink += p.reader(record);
    }
    benchmark::DoNotOptimize(sink);
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count() / static_cast<double>(sample);
  }();
  return nanoseconds;
}

void Report(benchmark::State& state, double nanoseconds, std::size_t rows) {
  const double perRun = nanoseconds / static_cast<double>(state.iterations());
  const double baseline = BaselineNanosecondsPerPair() * static_cast<double>(rows * TheProgram().persons.size());
  state.counters["rows"] = static_cast<double>(rows);
  state.counters["ms"] = perRun / 1e6;
  state.counters["baseline_ms"] = baseline / 1e6;
  state.counters["baseline_over_this"] = perRun > 0 ? baseline / perRun : 0;
}

void RankWholeList(benchmark::State& state) {
  Program& p = TheProgram();
  const naming::GivenNameCatalog& catalog = naming::GivenNameCatalog::Builtin(p.engine);
  const std::vector<std::uint32_t> all = naming::SearchNames(catalog, {});
  double nanoseconds = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    naming::NameRanking ranking = naming::RankNames(catalog, all, p.surname, naming::SexFilter::Any, p.persons,
                                                    p.reader, p.engine, naming::NameOrder::Minimum);
    nanoseconds += std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    benchmark::DoNotOptimize(ranking.minimum.data());
  }
  Report(state, nanoseconds, all.size());
}
BENCHMARK(RankWholeList)->Unit(benchmark::kMillisecond);

void ReadingPrefix(benchmark::State& state) {
  Program& p = TheProgram();
  const naming::GivenNameCatalog& catalog = naming::GivenNameCatalog::Builtin(p.engine);
  naming::NameQuery query;
  query.reading = Cp932("はる");
  double nanoseconds = 0;
  std::size_t rows = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    naming::NameRanking ranking =
        naming::RankNames(catalog, naming::SearchNames(catalog, query), p.surname, naming::SexFilter::Any, p.persons,
                          p.reader, p.engine, naming::NameOrder::Minimum);
    nanoseconds += std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    rows = ranking.names.size();
  }
  Report(state, nanoseconds, rows);
}
BENCHMARK(ReadingPrefix)->Unit(benchmark::kMillisecond);

long ResidentKilobytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Builds a catalog from the program's data as the first use does; reports the growth of
// the resident set (the data pages read plus the catalog) and the bytes the catalog holds.
void LoadCatalog(benchmark::State& state) {
  Program& p = TheProgram();
  const long before = ResidentKilobytes();
  double nanoseconds = 0;
  std::size_t held = 0, rows = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    naming::GivenNameCatalog catalog = naming::GivenNameCatalog::FromLines(
        std::string_view(naming::kGivenNameData, naming::kGivenNameDataBytes), p.engine);
    nanoseconds += std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    held = catalog.HeldBytes();
    rows = catalog.Size();
  }
  state.counters["ms"] = nanoseconds / static_cast<double>(state.iterations()) / 1e6;
  state.counters["held_MB"] = static_cast<double>(held) / (1 << 20);
  state.counters["resident_growth_MB"] = static_cast<double>(ResidentKilobytes() - before) / 1024;
  state.counters["baseline_ms"] = BaselineNanosecondsPerPair() * static_cast<double>(rows) / 1e6;
}
BENCHMARK(LoadCatalog)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
