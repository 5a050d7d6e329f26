// kouryaku WISTFUL SH SC SA SS PH PC PA PS: the engine's love tactics (GetAijyouKouryaku)
// with the phrasing flag and the asker's and the partner's honsyou, chikaku, aijyou and
// shinrei sums.
#include "commands/engine_reading_arguments.h"
#include "nuvacalc.h"

namespace nuvaro::cli {
namespace {

CommandResult RunKouryaku(const std::vector<std::string>& args, CommandSession&) {
  KouryakuRecord record{};
  std::string error = engine_readings::ParseWistful(args[0], record.wistful);
  if (error.empty()) {
    error = engine_readings::ParseSums(
        args, 1,
        {&record.selfHonsyou, &record.selfChikaku, &record.selfAijyou, &record.selfShinrei, &record.partnerHonsyou,
         &record.partnerChikaku, &record.partnerAijyou, &record.partnerShinrei});
  }
  if (!error.empty()) return CommandResult::Fail(kExitBadInput, error);
  GetAijyouKouryaku(&record);
  return engine_readings::TextsAnswer({{"whisper", record.whisper},
                                       {"partnerShinreiText", record.partnerShinreiText},
                                       {"partnerChikakuText", record.partnerChikakuText},
                                       {"partnerHonsyouText", record.partnerHonsyouText},
                                       {"weakness", record.weakness},
                                       {"tactic", record.tactic},
                                       {"feeling", record.feeling},
                                       {"getMethod", record.getMethod}});
}

const CliCommandRegistration kKouryaku({"kouryaku", "WISTFUL SH SC SA SS PH PC PA PS",
                                        "The engine's love tactics: the phrasing flag (1 wistful, 0 assertive), "
                                        "then the asker's and the partner's honsyou, chikaku, aijyou and shinrei.",
                                        9, RunKouryaku});

}  // namespace
}  // namespace nuvaro::cli
