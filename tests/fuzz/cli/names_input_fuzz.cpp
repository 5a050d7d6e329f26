// What a user types into the name finder, as any bytes: the first byte chooses the way in.
//   0: a reading (UTF-8, as typed) and the must / must-not characters (CP932) with the
//      other filters: the reading comes out as CP932 kana only, and the search answers
//      exactly the names that match, in catalog order (over a sample of the dictionary).
//   1: the arguments of "nuvaro-cli names" (one per line after a byte that picks a
//      reading start when the arguments give none): every answer line is one JSON value
//      in valid UTF-8, never more lines than the limit.
//   2: the favourites file: whatever it holds, a name added is kept by the file, and
//      removing it again gives back the list as it was read.
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli_runner.h"
#include "core/engine_binding.h"
#include "json_checker.h"
#include "naming/given_name_catalog.h"
#include "naming/given_name_data.h"
#include "naming/name_favourites.h"
#include "naming/name_query.h"
#include "platform/core/encoding.h"
#include "platform/core/message_sink.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

class QuietSink : public nuvaro::platform::MessageSink {
 public:
  int ShowMessage(const nuvaro::platform::MessageRequest&) override { return nuvaro::platform::kIdOk; }
  void ShowEmptyDialog(const nuvaro::platform::EmptyDialogRequest&) override {}
};

std::vector<std::string> Fields(std::string_view bytes) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (start <= bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    fields.emplace_back(bytes.substr(start, end - start));
    start = end + 1;
  }
  return fields;
}

const nuvaro::core::EngineBinding& Engine() {
  static nuvaro::core::EngineBinding engine;
  if (!engine.IsLoaded()) Check(engine.Bind());
  return engine;
}

// Every 150th name of the program's dictionary: the same kinds of names and readings in a
// catalog small enough to check each search against every name, many times a second.
const nuvaro::naming::GivenNameCatalog& SampleCatalog() {
  static const nuvaro::naming::GivenNameCatalog sample = [] {
    constexpr std::size_t kEvery = 150;
    const std::string_view data(nuvaro::naming::kGivenNameData, nuvaro::naming::kGivenNameDataBytes);
    std::string lines;
    std::size_t number = 0;
    for (std::size_t start = 0; start < data.size(); ++number) {
      std::size_t end = data.find('\n', start);
      if (end == std::string_view::npos) end = data.size();
      if (number % kEvery == 0) (lines += data.substr(start, end - start)) += '\n';
      start = end + 1;
    }
    return nuvaro::naming::GivenNameCatalog::FromLines(lines, Engine());
  }();
  return sample;
}

// The command ranks every name its filters leave; unless the arguments narrow the
// reading themselves, one of these starts keeps a run to a few hundred names.
constexpr const char* kReadingStarts[] = {"はる", "ゆう", "あき", "さく", "みず", "のぶ", "りょう", "えみ"};

void Filters(std::string_view bytes) {
  using namespace nuvaro::naming;
  if (bytes.size() < 4) return;
  const auto options = static_cast<unsigned char>(bytes[0]);
  NameQuery query;
  query.readingMatch = static_cast<ReadingMatch>(options % 3);
  query.script = static_cast<ScriptFilter>(options / 3 % 3);
  query.sex = static_cast<SexFilter>(options / 9 % 3);
  query.length = static_cast<unsigned char>(bytes[1]) % 4;
  query.minStrokes = static_cast<unsigned char>(bytes[2]) % 48;
  query.maxStrokes = static_cast<unsigned char>(bytes[3]) % 48;
  std::vector<std::string> fields = Fields(bytes.substr(4));
  fields.resize(3);
  if (auto reading = ReadingFromInput(fields[0])) {
    // Two-byte CP932 characters only, each one that reads back.
    Check(reading->size() % 2 == 0);
    for (std::size_t i = 0; i < reading->size(); i += 2) {
      Check(nuvaro::platform::IsCp932LeadByte(static_cast<unsigned char>((*reading)[i])));
    }
    Check(nuvaro::platform::Cp932ToUtf8(*reading).has_value());
    query.reading = *reading;
  }
  query.mustContain = fields[1];
  query.mustNotContain = fields[2];
  const GivenNameCatalog& catalog = SampleCatalog();
  const std::vector<std::uint32_t> found = SearchNames(catalog, query);
  std::size_t next = 0;
  for (std::size_t index = 0; index < catalog.Size(); ++index) {
    if (!MatchesQuery(catalog, index, query)) continue;
    Check(next < found.size() && found[next] == index);
    ++next;
  }
  Check(next == found.size());
}

void CliArguments(std::string_view bytes) {
  if (bytes.empty()) return;
  std::vector<std::string> args = {"names"};
  for (std::string& field : Fields(bytes.substr(1))) args.push_back(std::move(field));
  const bool narrowed = std::any_of(args.begin(), args.end(), [](const std::string& arg) {
    return arg == "--reading" || arg == "--reading-is";
  });
  if (!narrowed) {
    args.push_back("--reading");
    args.push_back(kReadingStarts[static_cast<unsigned char>(bytes[0]) % std::size(kReadingStarts)]);
  }
  // A plug-in is one of the built ones: a random path would load any library at all.
  for (std::size_t i = 1; i + 1 < args.size(); ++i) {
    if (args[i] == "--plugin") args[i + 1] = "MatchCouple";
  }
  constexpr std::size_t kLimit = 30;
  args.push_back("--limit");
  args.push_back(std::to_string(kLimit));
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  nuvaro::cli::RunCli(args, in, out, err);
  const std::string answers = out.str();
  std::size_t lines = 0;
  for (std::size_t start = 0; start < answers.size(); ++lines) {
    const std::size_t end = answers.find('\n', start);
    Check(end != std::string::npos);
    Check(nuvaro::fuzzing::JsonChecker(std::string_view(answers).substr(start, end - start)).WholeValue());
    start = end + 1;
  }
  Check(lines <= kLimit);
}

void FavouritesFile(std::string_view bytes, const std::string& folder) {
  using nuvaro::naming::NameFavourites;
  const std::string path = folder + "/" + nuvaro::naming::kFavouritesFileName;
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  NameFavourites favourites;
  if (!favourites.Load()) return;
  const auto before = favourites.Names();
  static const std::string writing = *nuvaro::platform::Utf8ToCp932("花");
  static const std::string reading = *nuvaro::platform::Utf8ToCp932("はな");
  const bool had = favourites.Contains(writing, reading);
  Check(favourites.Toggle(writing, reading));
  Check(favourites.Contains(writing, reading) != had);
  NameFavourites reread;
  Check(reread.Load());
  Check(reread.Names() == favourites.Names());
  Check(reread.Toggle(writing, reading));
  if (!had) Check(reread.Names() == before);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string folder = [] {
    static QuietSink sink;
    nuvaro::platform::SetMessageSink(&sink);
    setenv("NUVARO_PROGRAM_DIR", NUVARO_FUZZ_PROGRAM_DIR, 1);
    std::string pattern = (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + std::string("/nuvaro-names-XXXXXX");
    std::string made = mkdtemp(pattern.data());
    setenv("NUVARO_DATA_DIR", made.c_str(), 1);
    return made;
  }();
  if (size == 0) return 0;
  const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  switch (data[0] % 3) {
    case 0: Filters(rest); break;
    case 1: CliArguments(rest); break;
    default: FavouritesFile(rest, folder); break;
  }
  return 0;
}
