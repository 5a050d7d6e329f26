// shigoto WISTFUL SELFSHIGOTO PH PSHIGOTO PS: the engine's work evaluation
// (GetShigotoHyouka): the phrasing flag, the asker's shigoto, the partner's honsyou,
// shigoto and shinrei. The record's not-read fields stay 0.
#include "commands/engine_reading_arguments.h"
#include "nuvacalc.h"

namespace nuvaro::cli {
namespace {

CommandResult RunShigoto(const std::vector<std::string>& args, CommandSession&) {
  ShigotoRecord record{};
  std::string error = engine_readings::ParseWistful(args[0], record.wistful);
  if (error.empty()) {
    error = engine_readings::ParseSums(
        args, 1, {&record.selfShigoto, &record.partnerHonsyou, &record.partnerShigoto, &record.partnerShinrei});
  }
  if (!error.empty()) return CommandResult::Fail(kExitBadInput, error);
  GetShigotoHyouka(&record);
  return engine_readings::TextsAnswer({{"whisper", record.whisper},
                                       {"partnerShinreiText", record.partnerShinreiText},
                                       {"partnerHonsyouText", record.partnerHonsyouText},
                                       {"workLuck", record.workLuck},
                                       {"aid", record.aid},
                                       {"workType", record.workType}});
}

const CliCommandRegistration kShigoto({"shigoto", "WISTFUL SELFSHIGOTO PH PSHIGOTO PS",
                                       "The engine's work evaluation: the phrasing flag, the asker's shigoto, the "
                                       "partner's honsyou, shigoto and shinrei.",
                                       5, RunShigoto});

}  // namespace
}  // namespace nuvaro::cli
