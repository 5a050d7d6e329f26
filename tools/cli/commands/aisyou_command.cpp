// aisyou SH SC SA SS PH PC PA PS: the engine's love compatibility (GetAijyouAisyou) for
// the asker's honsyou, chikaku, aijyou and shinrei sums and the partner's, same order.
#include "commands/engine_reading_arguments.h"
#include "nuvacalc.h"

namespace nuvaro::cli {
namespace {

CommandResult RunAisyou(const std::vector<std::string>& args, CommandSession&) {
  AisyouRecord record{};
  std::string error = engine_readings::ParseSums(
      args, 0,
      {&record.selfHonsyou, &record.selfChikaku, &record.selfAijyou, &record.selfShinrei, &record.partnerHonsyou,
       &record.partnerChikaku, &record.partnerAijyou, &record.partnerShinrei});
  if (!error.empty()) return CommandResult::Fail(kExitBadInput, error);
  GetAijyouAisyou(&record);
  CommandResult result = engine_readings::TextsAnswer({{"whisper", record.whisper},
                                                       {"wish", record.wish},
                                                       {"partnerShinreiText", record.partnerShinreiText},
                                                       {"partnerChikakuText", record.partnerChikakuText},
                                                       {"partnerHonsyouText", record.partnerHonsyouText}});
  if (result.status == kExitOk) result.output.Set("percentage", Json::Int(record.percentage));
  return result;
}

const CliCommandRegistration kAisyou({"aisyou", "SH SC SA SS PH PC PA PS",
                                      "The engine's love compatibility: the asker's and the partner's honsyou, "
                                      "chikaku, aijyou and shinrei sums.",
                                      8, RunAisyou});

}  // namespace
}  // namespace nuvaro::cli
