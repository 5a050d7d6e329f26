// strokes NAME: the engine's stroke count of every double-byte character of a name.
#include <string>
#include <vector>

#include "cli_command.h"
#include "nuvacalc.h"
#include "platform/core/encoding.h"

namespace nuvaro::cli {
namespace {

CommandResult RunStrokes(const std::vector<std::string>& args, CommandSession&) {
  auto name = platform::Utf8ToCp932(args[0]);
  if (!name) return CommandResult::Fail(kExitBadInput, "\"" + args[0] + "\" cannot be written in CP932");
  // Room for a count per byte and the terminator, so every character of the name gets
  // its count whatever its length.
  std::vector<unsigned char> counts(name->size() + 1, 0);
  const int result = GetKanjiStroke(name->c_str(), counts.data(), static_cast<int>(counts.size()));
  Json list = Json::Array();
  for (unsigned char count : counts) {
    if (count == 0) break;
    list.Push(Json::Int(count));
  }
  return CommandResult::Ok(Json::Object().Set("result", Json::Int(result)).Set("counts", std::move(list)));
}

const CliCommandRegistration kStrokes({"strokes", "NAME",
                                       "Stroke counts of every two-byte character of NAME (255: no count).", 1,
                                       RunStrokes});

}  // namespace
}  // namespace nuvaro::cli
