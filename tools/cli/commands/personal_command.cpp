// personal NUMBER ASPECT: one call of the engine's personal reading on a zero-filled
// query. "found" tells whether the engine wrote the record; text and note stay null
// otherwise, and the note is null too where the engine's row has none.
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

#include "cli_command.h"
#include "engine_text_json.h"
#include "nuvacalc.h"

namespace nuvaro::cli {
namespace {

bool ParseInt(const std::string& text, long min, long max, long& value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value >= min && value <= max;
}

CommandResult RunPersonal(const std::vector<std::string>& args, CommandSession&) {
  long number = 0;
  long aspect = 0;
  if (!ParseInt(args[0], 0, std::numeric_limits<std::uint16_t>::max(), number)) {
    return CommandResult::Fail(kExitBadInput, "\"" + args[0] + "\" is not a number from 0 to 65535");
  }
  if (!ParseInt(args[1], std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(),
                aspect)) {
    return CommandResult::Fail(kExitBadInput, "\"" + args[1] + "\" is not a 32-bit integer");
  }
  PersonalFortuneQuery query{};
  query.number = static_cast<std::uint16_t>(number);
  query.aspect = static_cast<std::int32_t>(aspect);
  GetPersonalFortune(&query);

  // Every row has a text (some empty), so a written record has a non-null text.
  const bool found = query.text != nullptr;
  auto text = EngineTextJson(query.text);
  auto note = EngineTextJson(query.note);
  if (!text || !note) return CommandResult::Fail(kExitFailure, "the engine's text is not valid CP932");
  return CommandResult::Ok(
      Json::Object().Set("found", Json::Bool(found)).Set("text", std::move(*text)).Set("note", std::move(*note)));
}

const CliCommandRegistration kPersonal({"personal", "NUMBER ASPECT",
                                        "The engine's personal reading of a stroke sum (0 to 65535) under an "
                                        "aspect code (1 to 11).",
                                        2, RunPersonal});

}  // namespace
}  // namespace nuvaro::cli
