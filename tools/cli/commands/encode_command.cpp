// encode TEXT: the CP932 bytes of a text, as the engine and the plug-ins receive it.
#include <cstdio>

#include "cli_command.h"
#include "platform/core/encoding.h"

namespace nuvaro::cli {
namespace {

CommandResult RunEncode(const std::vector<std::string>& args, CommandSession&) {
  auto cp932 = platform::Utf8ToCp932(args[0]);
  if (!cp932) return CommandResult::Fail(kExitBadInput, "\"" + args[0] + "\" cannot be written in CP932");
  Json bytes = Json::Array();
  for (unsigned char byte : *cp932) bytes.Push(Json::Int(byte));
  return CommandResult::Ok(Json::Object().Set("text", Json::String(args[0])).Set("cp932", std::move(bytes)));
}

const CliCommandRegistration kEncode({"encode", "TEXT", "The CP932 bytes of TEXT.", 1, RunEncode});

}  // namespace
}  // namespace nuvaro::cli
