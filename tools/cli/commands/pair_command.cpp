// pair PLUGIN SH SC SA SS OH OC OA OS MALE: one pair reading of a reading plug-in,
// loaded from its .nvr file as the program loads it. S* are the user's honsyou, chikaku,
// aijyou and shinrei sums, O* the other person's; the other five sums are 0. MALE is
// otherIsMale.
#include <charconv>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <variant>

#include "cli_command.h"
#include "core/plugin_host.h"
#include "plugin_call.h"

namespace nuvaro::cli {
namespace {

// A sum as the record carries it: -32768 to 65535, stored as its 16-bit pattern (the
// plug-ins read the sums as unsigned 16-bit values).
std::optional<std::int16_t> ParseSum(const std::string& text) {
  long value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < -32768 || value > 65535) return std::nullopt;
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
}

CommandResult RunPair(const std::vector<std::string>& args, CommandSession&) {
  NuvaroData data;
  std::memset(&data, 0, sizeof data);
  std::int16_t* sums[] = {&data.self.honsyou,  &data.self.chikaku,  &data.self.aijyou,  &data.self.shinrei,
                          &data.other.honsyou, &data.other.chikaku, &data.other.aijyou, &data.other.shinrei};
  for (std::size_t i = 0; i < 8; ++i) {
    auto sum = ParseSum(args[i + 1]);
    if (!sum) return CommandResult::Fail(kExitBadInput, "\"" + args[i + 1] + "\" is not a sum (0 to 65535)");
    *sums[i] = *sum;
  }
  auto male = ParseInt32(args[9]);
  if (!male) return CommandResult::Fail(kExitBadInput, "\"" + args[9] + "\" is not a number (MALE: 1 or 0)");
  data.otherIsMale = *male;

  auto plugin = PluginNuvaroData(core::PluginHost::PluginPath(args[0]));
  if (auto* error = std::get_if<std::string>(&plugin)) return CommandResult::Fail(kExitFailure, *error);
  std::get<NVRGetNuvaroDataFunction>(plugin)(&data);

  auto answer = PairAnswerJson(data);
  if (auto* error = std::get_if<std::string>(&answer)) return CommandResult::Fail(kExitFailure, *error);
  return CommandResult::Ok(std::move(std::get<Json>(answer)));
}

const CliCommandRegistration kPair({"pair", "PLUGIN SH SC SA SS OH OC OA OS MALE",
                                    "One pair reading of a plug-in (a .nvr path, or a file name in the "
                                    "program's nvr folder): the user's and the other person's honsyou, "
                                    "chikaku, aijyou and shinrei sums, and 1 when the other person is male.",
                                    10, RunPair});

}  // namespace
}  // namespace nuvaro::cli
