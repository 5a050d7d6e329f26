// names --surname SURNAME [filters] [--plugin PLUGIN --with "SURNAME GIVEN" ...] [--sort
// min|avg|reading|strokes] [--limit N]: the name finder from the command line. One JSON
// line per given name: its writing, reading, sex, strokes per character, the nine sums
// under the surname and, with --with, the percentage with each person (the person in the
// centre of a board, the name beside them, read by the plug-in) with their minimum and
// average. In a batch, where a line is split at spaces, --with takes two words, and a line
// without --limit answers at most kBatchDefaultLimit names (one answer line each).
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli_command.h"
#include "core/engine_binding.h"
#include "core/member.h"
#include "core/name_readability.h"
#include "core/pair_reading.h"
#include "core/plugin_host.h"
#include "naming/given_name_catalog.h"
#include "naming/name_query.h"
#include "naming/name_ranking.h"
#include "platform/core/encoding.h"
#include "plugin_call.h"

namespace nuvaro::cli {
namespace {

constexpr char kUsage[] =
    "usage: names --surname SURNAME [--sex m|f] [--reading KANA|--reading-is KANA|--reading-has KANA] [--has CHARS] "
    "[--not CHARS] [--length 1-3] [--kanji|--kana] [--strokes MIN-MAX] [--plugin PLUGIN --with \"SURNAME GIVEN\" ...] "
    "[--sort min|avg|reading|strokes] [--limit N]";

constexpr long kBatchDefaultLimit = 1000;

struct NamesRequest {
  std::string surname;  // CP932
  naming::NameQuery query;
  std::string plugin;
  std::vector<naming::RankPerson> persons;
  std::optional<naming::NameOrder> order;
  long limit = -1;
};

using Parsed = std::variant<NamesRequest, CommandResult>;

CommandResult Usage(const std::string& why) { return CommandResult::Fail(kExitUsage, why + "\n" + kUsage); }

std::optional<std::string> Cp932(const std::string& utf8) { return platform::Utf8ToCp932(utf8); }

std::optional<std::pair<int, int>> StrokeRange(const std::string& text) {
  const std::size_t dash = text.find('-');
  if (dash == std::string::npos) return std::nullopt;
  auto low = ParseInt32(text.substr(0, dash));
  auto high = ParseInt32(text.substr(dash + 1));
  if (!low || !high || *low < 1 || *high < *low) return std::nullopt;
  return std::make_pair(*low, *high);
}

Parsed Parse(const std::vector<std::string>& args, const CommandSession& session) {
  NamesRequest request;
  bool readingGiven = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option == "--kanji" || option == "--kana") {
      request.query.script = option == "--kanji" ? naming::ScriptFilter::KanjiOnly : naming::ScriptFilter::KanaOnly;
      continue;
    }
    if (i + 1 >= args.size()) return Usage(option + " needs a value");
    std::string value = args[++i];
    if (option == "--with" && session.batch && i + 1 < args.size()) value += " " + args[++i];
    if (option == "--surname") {
      auto cp932 = Cp932(value);
      if (!cp932) return CommandResult::Fail(kExitBadInput, "the surname \"" + value + "\" cannot be written in CP932");
      request.surname = *cp932;
    } else if (option == "--sex") {
      if (value != "m" && value != "f") return Usage("--sex takes m or f");
      request.query.sex = value == "m" ? naming::SexFilter::Male : naming::SexFilter::Female;
    } else if (option == "--reading" || option == "--reading-is" || option == "--reading-has") {
      if (readingGiven) return Usage("give one of --reading, --reading-is and --reading-has");
      readingGiven = true;
      auto reading = naming::ReadingFromInput(value);
      if (!reading) return CommandResult::Fail(kExitBadInput, "the reading \"" + value + "\" is not kana");
      request.query.reading = *reading;
      request.query.readingMatch = option == "--reading"      ? naming::ReadingMatch::StartsWith
                                   : option == "--reading-is" ? naming::ReadingMatch::Is
                                                              : naming::ReadingMatch::Contains;
    } else if (option == "--has" || option == "--not") {
      auto cp932 = Cp932(value);
      if (!cp932) return CommandResult::Fail(kExitBadInput, "\"" + value + "\" cannot be written in CP932");
      (option == "--has" ? request.query.mustContain : request.query.mustNotContain) += *cp932;
    } else if (option == "--length") {
      auto length = ParseInt32(value);
      if (!length || *length < 1 || *length > naming::kMaxGivenNameLength) return Usage("--length takes 1, 2 or 3");
      request.query.length = *length;
    } else if (option == "--strokes") {
      auto range = StrokeRange(value);
      if (!range) return Usage("--strokes takes MIN-MAX, for example 10-20");
      request.query.minStrokes = range->first;
      request.query.maxStrokes = range->second;
    } else if (option == "--plugin") {
      request.plugin = value;
    } else if (option == "--with") {
      auto cp932 = Cp932(value);
      if (!cp932) return CommandResult::Fail(kExitBadInput, "the name \"" + value + "\" cannot be written in CP932");
      request.persons.push_back({*cp932, true});
    } else if (option == "--sort") {
      if (value == "min") request.order = naming::NameOrder::Minimum;
      else if (value == "avg") request.order = naming::NameOrder::Average;
      else if (value == "reading") request.order = naming::NameOrder::Reading;
      else if (value == "strokes") request.order = naming::NameOrder::Strokes;
      else return Usage("--sort takes min, avg, reading or strokes");
    } else if (option == "--limit") {
      auto limit = ParseInt32(value);
      if (!limit || *limit < 0) return Usage("--limit takes a number of names");
      request.limit = *limit;
    } else {
      return Usage("unknown option \"" + option + "\"");
    }
  }
  if (request.surname.empty()) return Usage("--surname is required");
  if (session.batch && request.limit < 0) request.limit = kBatchDefaultLimit;
  if (!request.persons.empty() && request.plugin.empty()) return Usage("--with needs --plugin");
  if (request.persons.empty() && !request.plugin.empty()) return Usage("--plugin needs at least one --with");
  return request;
}

Json IntArray(const auto& values) {
  Json array = Json::Array();
  for (int value : values) array.Push(Json::Int(value));
  return array;
}

std::string SexText(naming::NameSex sex) {
  switch (sex) {
    case naming::NameSex::Male:
      return "m";
    case naming::NameSex::Female:
      return "f";
    case naming::NameSex::Both:
      return "both";
  }
  return "both";
}

Json NameJson(const naming::GivenNameCatalog& catalog, const naming::NameRanking& ranking, std::size_t row,
              const std::string& surname, const core::EngineBinding& engine) {
  const std::uint32_t name = ranking.names[row];
  SoulRecord soul = core::SoulRecordForName(surname, catalog.Writing(name), core::kPairNamePartBytes);
  engine.CalculateSoul(soul);
  const auto strokes = catalog.Strokes(name);
  Json json = Json::Object()
                  .Set("writing", Json::String(platform::Cp932ToUtf8Lossy(catalog.Writing(name))))
                  .Set("reading", Json::String(platform::Cp932ToUtf8Lossy(catalog.Reading(name))))
                  .Set("sex", Json::String(SexText(catalog.Sex(name))))
                  .Set("strokes", IntArray(std::vector<int>(strokes.begin(), strokes.begin() + catalog.Length(name))))
                  .Set("sums", IntArray(std::vector<int>{soul.honsyou, soul.syakai, soul.ninki, soul.shigoto, soul.chikaku,
                                                         soul.aijyou, soul.shinrei, soul.jinkakuA, soul.jinkakuB}));
  if (ranking.personCount == 0) return json;
  std::vector<int> percentages;
  for (std::size_t p = 0; p < ranking.personCount; ++p) percentages.push_back(ranking.Percentage(row, p));
  return json.Set("percentages", IntArray(percentages))
      .Set("min", Json::Int(ranking.minimum[row]))
      .Set("average", Json::Int(ranking.average[row]));
}

std::optional<std::string> UnreadableName(const std::string& surname, const std::vector<naming::RankPerson>& persons,
                                          const core::EngineBinding& engine) {
  const core::NameReadability surnameCheck = core::CheckNameParts(surname, "", engine);
  if (surnameCheck.missingSurname || !surnameCheck.uncountable.empty()) {
    return "the strokes of the surname \"" + platform::Cp932ToUtf8Lossy(surname) + "\" cannot be counted";
  }
  for (const naming::RankPerson& person : persons) {
    if (!core::CheckFullName(person.fullName, engine).Readable()) {
      return "the strokes of \"" + platform::Cp932ToUtf8Lossy(person.fullName) + "\" cannot be counted";
    }
  }
  return std::nullopt;
}

CommandResult RunNames(const std::vector<std::string>& args, CommandSession& session) {
  Parsed parsed = Parse(args, session);
  if (auto* failed = std::get_if<CommandResult>(&parsed)) return std::move(*failed);
  const NamesRequest& request = std::get<NamesRequest>(parsed);

  static core::EngineBinding engine;
  if (!engine.IsLoaded() && !engine.Bind()) return CommandResult::Fail(kExitFailure, "cannot load the engine");
  if (auto why = UnreadableName(request.surname, request.persons, engine)) return CommandResult::Fail(kExitBadInput, *why);
  naming::PairPercentageReader reader = [](::NuvaroData&) { return 0; };
  if (!request.persons.empty()) {
    auto plugin = PluginNuvaroData(core::PluginHost::PluginPath(request.plugin));
    if (auto* error = std::get_if<std::string>(&plugin)) return CommandResult::Fail(kExitFailure, *error);
    reader = [function = std::get<NVRGetNuvaroDataFunction>(plugin)](::NuvaroData& record) {
      function(&record);
      return record.percentage;
    };
  }
  const naming::GivenNameCatalog& catalog = naming::GivenNameCatalog::Builtin(engine);
  const naming::NameOrder order = request.order.value_or(request.persons.empty() ? naming::NameOrder::Reading
                                                                                  : naming::NameOrder::Minimum);
  const naming::NameRanking ranking =
      naming::RankNames(catalog, naming::SearchNames(catalog, request.query), request.surname, request.query.sex,
                        request.persons, reader, engine, order);
  std::vector<Json> lines;
  const std::size_t shown = request.limit < 0 ? ranking.names.size()
                                              : std::min(ranking.names.size(), static_cast<std::size_t>(request.limit));
  for (std::size_t row = 0; row < shown; ++row) lines.push_back(NameJson(catalog, ranking, row, request.surname, engine));
  return CommandResult::Lines(std::move(lines));
}

const CliCommandRegistration kNames(
    {"names",
     "--surname SURNAME [--sex m|f] [--reading KANA|--reading-is KANA|--reading-has KANA] [--has CHARS] [--not CHARS] "
     "[--length N] [--kanji|--kana] [--strokes MIN-MAX] [--plugin PLUGIN --with \"SURNAME GIVEN\" ...] "
     "[--sort min|avg|reading|strokes] [--limit N]",
     "Given names a birth registration accepts, from the name dictionary, for a surname: one JSON line per name "
     "with its strokes and nine sums, and with --with the plug-in's percentage with each person (sorted by the "
     "lowest by default).",
     -1, RunNames});

}  // namespace
}  // namespace nuvaro::cli
