// CalculateSoul per name, with the stroke lookup by index and by the plain scan of the
// table it replaces. IndexAgainstScan reports the ratio scan time / index time.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/encoding.h"
#include "soul/soul_calculation.h"
#include "stroke_table/kanji_stroke_table.h"

namespace {

using nuvaro::engine::CalculateSoulWith;
using nuvaro::engine::IndexedStrokeLookup;
using nuvaro::engine::LinearStrokeLookup;
using nuvaro::engine::StrokeLookup;

std::vector<SoulRecord> Names() {
  const std::pair<const char*, const char*> names[] = {
      {"山田", "太郎"},   {"佐藤", "花子"},   {"鈴木", "一郎"},     {"高橋", "恵"},     {"田中", "美咲"},
      {"渡辺", "浩"},     {"伊藤", "陽菜"},   {"長谷川", "健太郎"}, {"藤原", "紀香"},   {"髙橋", "蓮"},
      {"山﨑", "葉子"},   {"小林", "ゆうこ"}, {"中村", "ノリコ"},   {"鬱金", "鸞"},     {"加藤", "清"},
      {"吉田", "芳英"}};
  std::vector<SoulRecord> records;
  for (const auto& [sei, mei] : names) {
    SoulRecord record{};
    const auto s = nuvaro::platform::Utf8ToCp932(sei), m = nuvaro::platform::Utf8ToCp932(mei);
    if (!s || !m) throw std::runtime_error("name without a CP932 form");
    std::memcpy(record.sei, s->data(), s->size());
    std::memcpy(record.mei, m->data(), m->size());
    records.push_back(record);
  }
  return records;
}

// One pass over the names; returns the time per name in nanoseconds.
double PassNanoseconds(const std::vector<SoulRecord>& names, StrokeLookup lookup) {
  const auto start = std::chrono::steady_clock::now();
  for (SoulRecord record : names) {
    benchmark::DoNotOptimize(CalculateSoulWith(&record, lookup));
    benchmark::ClobberMemory();
  }
  const std::chrono::duration<double, std::nano> elapsed = std::chrono::steady_clock::now() - start;
  return elapsed.count() / static_cast<double>(names.size());
}

void CalculateSoulPerName(benchmark::State& state, StrokeLookup lookup) {
  const std::vector<SoulRecord> names = Names();
  std::size_t i = 0;
  for (auto _ : state) {
    SoulRecord record = names[i++ % names.size()];
    benchmark::DoNotOptimize(CalculateSoulWith(&record, lookup));
    benchmark::ClobberMemory();
  }
}

void BM_CalculateSoulIndexed(benchmark::State& state) { CalculateSoulPerName(state, IndexedStrokeLookup); }
void BM_CalculateSoulLinearScan(benchmark::State& state) { CalculateSoulPerName(state, LinearStrokeLookup); }

void BM_IndexAgainstScan(benchmark::State& state) {
  const std::vector<SoulRecord> names = Names();
  double indexed = 0, scanned = 0;
  for (auto _ : state) {
    indexed += PassNanoseconds(names, IndexedStrokeLookup);
    scanned += PassNanoseconds(names, LinearStrokeLookup);
  }
  state.counters["index_ns_per_name"] = indexed / static_cast<double>(state.iterations());
  state.counters["scan_ns_per_name"] = scanned / static_cast<double>(state.iterations());
  state.counters["scan_over_index"] = indexed > 0 ? scanned / indexed : 0;
}

BENCHMARK(BM_CalculateSoulIndexed);
BENCHMARK(BM_CalculateSoulLinearScan);
BENCHMARK(BM_IndexAgainstScan);

}  // namespace

BENCHMARK_MAIN();
