// reading SURNAME GIVEN: a person's eleven personal readings, asked as a caller asks
// them: CalculateSoul on the name, then one query per aspect in code order with the sum
// that the aspect takes, text and note preset to the empty text. "fragment" marks a text
// that is only a reading's opening words.
#include <cstdint>
#include <string>
#include <vector>

#include "cli_command.h"
#include "engine_text_json.h"
#include "nuvacalc.h"
#include "number_rules/personal_aspects.h"
#include "soul_name_input.h"

namespace nuvaro::cli {
namespace {

CommandResult RunReading(const std::vector<std::string>& args, CommandSession&) {
  SoulRecord record{};
  if (std::string error = CopyNameParts(args[0], args[1], record); !error.empty()) {
    return CommandResult::Fail(kExitBadInput, error);
  }
  const int result = CalculateSoul(&record);

  Json readings = Json::Array();
  for (const PersonalAspect& aspect : kPersonalAspects) {
    PersonalFortuneQuery query{};
    query.number = PersonalAspectNumber(record, aspect);
    query.aspect = aspect.code;
    query.text = "";
    query.note = "";
    GetPersonalFortune(&query);
    auto text = EngineTextJson(query.text);
    auto note = EngineTextJson(query.note);
    if (!text || !note) return CommandResult::Fail(kExitFailure, "the engine's text is not valid CP932");
    readings.Push(Json::Object()
                      .Set("aspect", Json::Int(aspect.code))
                      .Set("title", Json::String(aspect.title))
                      .Set("number", Json::Int(query.number))
                      .Set("text", std::move(*text))
                      .Set("note", std::move(*note))
                      .Set("fragment", Json::Bool(IsOpeningOnlyReading(query.text))));
  }
  return CommandResult::Ok(Json::Object().Set("result", Json::Int(result)).Set("readings", std::move(readings)));
}

const CliCommandRegistration kReading({"reading", "SURNAME GIVEN",
                                       "A name's eleven personal readings, each asked with the sum its aspect "
                                       "takes.",
                                       2, RunReading});

}  // namespace
}  // namespace nuvaro::cli
