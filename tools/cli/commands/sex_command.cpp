// sex NUMBER: the engine's GetSexAisyou for one aijyou sum.
#include "commands/engine_reading_arguments.h"
#include "nuvacalc.h"

namespace nuvaro::cli {
namespace {

CommandResult RunSex(const std::vector<std::string>& args, CommandSession&) {
  SexAisyouRecord record{};
  std::string error = engine_readings::ParseSums(args, 0, {&record.number});
  if (!error.empty()) return CommandResult::Fail(kExitBadInput, error);
  GetSexAisyou(&record);
  return engine_readings::TextsAnswer({{"womanWhisper", record.womanWhisper}, {"sexReading", record.sexReading}});
}

const CliCommandRegistration kSex({"sex", "NUMBER",
                                   "The engine's woman's whisper and intimate reading for an aijyou sum.", 1,
                                   RunSex});

}  // namespace
}  // namespace nuvaro::cli
