// soul SURNAME GIVEN: the engine's soul numbers of a name (every field of its SoulRecord).
#include <cstring>
#include <string>
#include <vector>

#include "cli_command.h"
#include "nuvacalc.h"
#include "platform/core/encoding.h"

namespace nuvaro::cli {
namespace {

// Longest name part the record holds with its terminator.
constexpr std::size_t kMaxNameBytes = kSoulNameBytes - 1;

template <typename T, std::size_t N>
Json IntArray(const T (&values)[N]) {
  Json list = Json::Array();
  for (T value : values) list.Push(Json::Int(value));
  return list;
}

// Converts one name part and copies it into its record field; empty string on success.
std::string CopyNamePart(const std::string& utf8, const char* what, char (&field)[kSoulNameBytes]) {
  auto cp932 = platform::Utf8ToCp932(utf8);
  if (!cp932) return std::string(what) + " \"" + utf8 + "\" cannot be written in CP932";
  if (cp932->size() > kMaxNameBytes) {
    return std::string(what) + " \"" + utf8 + "\" is longer than " + std::to_string(kMaxNameBytes) +
           " bytes in CP932";
  }
  std::memcpy(field, cp932->data(), cp932->size());
  return {};
}

CommandResult RunSoul(const std::vector<std::string>& args, CommandSession&) {
  SoulRecord record{};
  for (const std::string& error : {CopyNamePart(args[0], "surname", record.sei),
                                   CopyNamePart(args[1], "given name", record.mei)}) {
    if (!error.empty()) return CommandResult::Fail(kExitBadInput, error);
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
