// ninki WISTFUL SELFSUM1 SELFSUM2 PH PN PS: the engine's tactics for friends and business
// contacts (GetNinkiKouryaku): the phrasing flag, the asker's honsyou and shinrei (either
// order), the partner's honsyou, ninki and shinrei. The record's not-read fields stay 0.
#include "commands/engine_reading_arguments.h"
#include "nuvacalc.h"

namespace nuvaro::cli {
namespace {

CommandResult RunNinki(const std::vector<std::string>& args, CommandSession&) {
  NinkiRecord record{};
  std::string error = engine_readings::ParseWistful(args[0], record.wistful);
  if (error.empty()) {
    error = engine_readings::ParseSums(args, 1,
                                       {&record.selfSum1, &record.selfSum2, &record.partnerHonsyou,
                                        &record.partnerNinki, &record.partnerShinrei});
  }
  if (!error.empty()) return CommandResult::Fail(kExitBadInput, error);
  GetNinkiKouryaku(&record);
  return engine_readings::TextsAnswer({{"whisper", record.whisper},
                                       {"partnerShinreiText", record.partnerShinreiText},
                                       {"partnerHonsyouText", record.partnerHonsyouText},
                                       {"weakness", record.weakness},
                                       {"tactic", record.tactic},
                                       {"trueFeeling", record.trueFeeling},
                                       {"getMethod", record.getMethod}});
}

const CliCommandRegistration kNinki({"ninki", "WISTFUL SELFSUM1 SELFSUM2 PH PN PS",
                                     "The engine's friends-and-business tactics: the phrasing flag, the asker's "
                                     "honsyou and shinrei, the partner's honsyou, ninki and shinrei.",
                                     6, RunNinki});

}  // namespace
}  // namespace nuvaro::cli
