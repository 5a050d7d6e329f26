// soul SURNAME GIVEN: the engine's soul numbers of a name (every field of its SoulRecord).
#include <string>
#include <vector>

#include "cli_command.h"
#include "nuvacalc.h"
#include "soul_name_input.h"

namespace nuvaro::cli {
namespace {

template <typename T, std::size_t N>
Json IntArray(const T (&values)[N]) {
  Json list = Json::Array();
  for (T value : values) list.Push(Json::Int(value));
  return list;
}

CommandResult RunSoul(const std::vector<std::string>& args, CommandSession&) {
  SoulRecord record{};
  if (std::string error = CopyNameParts(args[0], args[1], record); !error.empty()) {
    return CommandResult::Fail(kExitBadInput, error);
  }
  const int result = CalculateSoul(&record);
  Json answer = Json::Object();
  answer.Set("result", Json::Int(result))
      .Set("seiStroke", IntArray(record.seiStroke))
      .Set("meiStroke", IntArray(record.meiStroke))
      .Set("seiCount", Json::Int(record.seiCount))
      .Set("meiCount", Json::Int(record.meiCount))
      .Set("honsyou", Json::Int(record.honsyou))
      .Set("syakai", Json::Int(record.syakai))
      .Set("ninki", Json::Int(record.ninki))
      .Set("shigoto", Json::Int(record.shigoto))
      .Set("chikaku", Json::Int(record.chikaku))
      .Set("aijyou", Json::Int(record.aijyou))
      .Set("shinrei", Json::Int(record.shinrei))
      .Set("jinkakuA", Json::Int(record.jinkakuA))
      .Set("jinkakuB", Json::Int(record.jinkakuB))
      .Set("inner", IntArray(record.inner))
      .Set("outer", IntArray(record.outer))
      .Set("is22", IntArray(record.is22))
      .Set("syakaiShinreiMatch", Json::Int(record.syakaiShinreiMatch))
      .Set("ninkiAijyouMatch", Json::Int(record.ninkiAijyouMatch))
      .Set("jinkakuMatch", Json::Int(record.jinkakuMatch));
  return CommandResult::Ok(std::move(answer));
}

const CliCommandRegistration kSoul({"soul", "SURNAME GIVEN",
                                    "Soul numbers of a name: stroke counts, the nine sums, their inner "
                                    "and outer numbers and flags.",
                                    2, RunSoul});

}  // namespace
}  // namespace nuvaro::cli
