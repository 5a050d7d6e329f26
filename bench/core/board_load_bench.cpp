// A heavy board and heavy lists: the whisper and the chart for up to 200 faces, the
// import, export and one save of five lists of up to 2,000 members, and a list page
// opened on a list of up to 10^6 members. Each runs at two sizes a factor 10 apart, and
// benchmark's complexity fit tells whether the time grows linearly (no quadratic step);
// the 200-face and 2,000-member rows are the load the program must carry in under one
// second each. The page also reports the heap it takes per member beyond the list's own
// text (bytes_per_member: the list held in memory; page_bytes_per_member: what the page
// adds), measured against the file's bytes. The row is a usual one (15 bytes, kept
// inside the member itself); a row whose cells pass 15 bytes adds a heap block of its
// own, about 28 bytes more a member.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <stdlib.h>

#include <QApplication>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "core/engine_binding.h"
#include "core/face.h"
#include "core/guide_menu_model.h"
#include "core/member_list.h"
#include "core/member_list_set.h"
#include "core/pair_reading.h"
#include "core/plugin_host.h"
#include "platform/core/encoding.h"
#include "members/member_list_page.h"
#include "platform/core/message_sink.h"

namespace {

namespace core = nuvaro::core;

std::string Cp932(const char* utf8) { return nuvaro::platform::Utf8ToCp932(utf8).value(); }

// Answers every question as its first button does (Yes to the import's "replace every
// list?"), so each case runs the same whichever ran before it.
class QuietSink : public nuvaro::platform::MessageSink {
 public:
  int ShowMessage(const nuvaro::platform::MessageRequest& request) override {
    return nuvaro::platform::FirstButtonAnswer(request.buttons);
  }
  void ShowEmptyDialog(const nuvaro::platform::EmptyDialogRequest&) override {}
};

// The built program folder: engine and plug-ins, one reading active.
struct Program {
  Program() {
    setenv("NUVARO_PROGRAM_DIR", NUVARO_BENCH_BIN_DIR, 1);
    if (!engine.Bind() || !host.Load()) throw std::runtime_error("engine or plug-ins missing");
    core::BuildGuideMenu(host);
    face.CreateSelf();
    face.SetSelf(Cp932("山田 太郎,男,30"));
    face.activeEvent = 1;
  }
  void Fill(int faces) {
    const char* people[] = {"林 一,女,20", "佐藤 花子,女,30", "鈴木 一郎,男,40", "髙橋 蓮,男,10"};
    while (face.LastIndex() < faces) {
      int i = face.LastIndex();
      face.AddFace(100 + (i % 20) * 60, 100 + (i / 20) * 60, Cp932(people[i % 4]), engine);
    }
  }
  core::EngineBinding engine;
  core::PluginHost host;
  core::CFace face;
};

Program& TheProgram() {
  static Program program;
  return program;
}

void BM_Whisper(benchmark::State& state) {
  Program& program = TheProgram();
  core::CFace saved = program.face;
  program.Fill(static_cast<int>(state.range(0)));
  for (auto _ : state) core::ComputeWhispers(program.face, program.host, program.engine);
  state.SetComplexityN(state.range(0));
  program.face = saved;
}
BENCHMARK(BM_Whisper)->Arg(20)->Arg(200)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

// The chart asks the percentage of every face.
void BM_Chart(benchmark::State& state) {
  Program& program = TheProgram();
  core::CFace saved = program.face;
  program.Fill(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    int sum = 0;
    for (int i = 1; i <= program.face.LastIndex(); ++i) sum += core::PairPercentage(program.face, i, program.host, program.engine);
    benchmark::DoNotOptimize(sum);
  }
  state.SetComplexityN(state.range(0));
  program.face = saved;
}
BENCHMARK(BM_Chart)->Arg(20)->Arg(200)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

// A program folder of list files for the list benchmarks, in the file system the lists
// live on (not tmpfs: the saves flush to disk).
struct ListFolder {
  explicit ListFolder(int membersPerList) {
    std::string pattern = (std::filesystem::temp_directory_path() / "nuvaro-bench-XXXXXX").string();
    path = mkdtemp(pattern.data());
    setenv("NUVARO_PROGRAM_DIR", path.c_str(), 1);
    std::ofstream out(path + "/chosen.csv", std::ios::binary);
    const std::string line = Cp932("見本 太郎,男,30\r\n");
    for (int i = 0; i < 5 * membersPerList; ++i) out << line;
  }
  ~ListFolder() { std::filesystem::remove_all(path); }
  std::string path;
};

void BM_Import(benchmark::State& state) {
  ListFolder folder(static_cast<int>(state.range(0)));
  core::MemberListSet lists;
  for (auto _ : state) {
    if (!lists.Import(folder.path + "/chosen.csv")) state.SkipWithError("import failed");
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Import)->Arg(200)->Arg(2000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

void BM_Export(benchmark::State& state) {
  ListFolder folder(static_cast<int>(state.range(0)));
  core::MemberListSet lists;
  lists.Import(folder.path + "/chosen.csv");
  for (auto _ : state) {
    if (!lists.Export(folder.path + "/exported.lst")) state.SkipWithError("export failed");
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Export)->Arg(200)->Arg(2000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

// One registration in a full list: the whole file is backed up and rewritten.
void BM_RegisterInFullList(benchmark::State& state) {
  ListFolder folder(static_cast<int>(state.range(0)));
  core::MemberListSet lists;
  lists.Import(folder.path + "/chosen.csv");
  core::MemberList& page = lists.Page(0);
  const core::MemberForm form{Cp932("桃"), Cp932("太郎"), 0, "30"};
  for (auto _ : state) {
    page.Register(0, form);
    state.PauseTiming();
    page.Clear();
    page.Load();
    state.ResumeTiming();
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RegisterInFullList)->Arg(200)->Arg(2000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

// Heap bytes in use now, large blocks (mapped on their own) included.
std::size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

// Opening a list page: the list file read into the list, then the page made and drawn
// once, as the member bar does at start-up.
void BM_OpenListPage(benchmark::State& state) {
  const int members = static_cast<int>(state.range(0));
  ListFolder folder(0);
  const std::string line = Cp932("見本 太郎,男,30\r\n");
  {
    std::ofstream out(folder.path + "/friend.lst", std::ios::binary);
    for (int i = 0; i < members; ++i) out << line;
  }
  const double text = static_cast<double>(line.size() - 2);  // what a member's three cells hold
  double listBytes = 0, pageBytes = 0;
  for (auto _ : state) {
    const std::size_t before = HeapInUse();
    core::MemberList list("friend.lst");
    list.Load();
    const std::size_t loaded = HeapInUse();
    nuvaro::ui::CMemberListPage page(list);
    page.resize(300, 400);
    page.grab();
    const std::size_t shown = HeapInUse();
    if (page.rowCount() != members) state.SkipWithError("the page does not show every member");
    listBytes = static_cast<double>(loaded - before) / members - text;
    pageBytes = static_cast<double>(shown - loaded) / members;
  }
  state.counters["bytes_per_member"] = listBytes;
  state.counters["page_bytes_per_member"] = pageBytes;
  state.SetComplexityN(members);
}
BENCHMARK(BM_OpenListPage)->Arg(100000)->Arg(1000000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  static QuietSink sink;
  nuvaro::platform::SetMessageSink(&sink);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
