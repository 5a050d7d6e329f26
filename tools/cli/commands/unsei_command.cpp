// unsei RESET YB MB DB H SY C N SH A SR JA JB: one call of the engine's day reading, with
// the reset flag, the year, month and day branches and the nine sums in record order.
// The engine keeps its alternation from call to call, so a --batch run reads like the
// days of one drawn month.
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

#include "cli_command.h"
#include "nuvacalc.h"
#include "platform/core/encoding.h"

namespace nuvaro::cli {
namespace {

constexpr int kArgumentCount = 13;

bool ParseInt(const std::string& text, long min, long max, long& value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value >= min && value <= max;
}

CommandResult RunUnsei(const std::vector<std::string>& args, CommandSession&) {
  long values[kArgumentCount] = {};
  for (int i = 0; i < kArgumentCount; ++i) {
    bool isReset = i == 0;
    long min = isReset ? std::numeric_limits<std::int32_t>::min() : std::numeric_limits<std::int16_t>::min();
    long max = isReset ? std::numeric_limits<std::int32_t>::max() : std::numeric_limits<std::int16_t>::max();
    if (!ParseInt(args[i], min, max, values[i])) {
      return CommandResult::Fail(kExitBadInput, "\"" + args[i] + "\" is not a " +
                                                 (isReset ? "32-bit" : "16-bit") + " integer");
    }
  }
  UnseiRecord record{};
  record.resetState = static_cast<std::int32_t>(values[0]);
  std::int16_t* fields[] = {&record.yearBranch, &record.monthBranch, &record.dayBranch, &record.honsyou,
                            &record.syakai,     &record.chikaku,     &record.ninki,     &record.shigoto,
                            &record.aijyou,     &record.shinrei,     &record.jinkakuA,  &record.jinkakuB};
  for (int i = 1; i < kArgumentCount; ++i) *fields[i - 1] = static_cast<std::int16_t>(values[i]);

  GetUnseiCalendar(&record);
  auto reading = platform::Cp932ToUtf8(record.readingText);
  auto extra = platform::Cp932ToUtf8(record.extraText);
  if (!reading || !extra) return CommandResult::Fail(kExitFailure, "the engine's text is not valid CP932");
  return CommandResult::Ok(Json::Object()
                               .Set("readingText", Json::String(*reading))
                               .Set("extraText", Json::String(*extra))
                               .Set("faceKind", Json::Int(record.faceKind)));
}

const CliCommandRegistration kUnsei({"unsei", "RESET YB MB DB H SY C N SH A SR JA JB",
                                     "The engine's day reading (reset flag, year/month/day branches, nine sums).",
                                     kArgumentCount, RunUnsei});

}  // namespace
}  // namespace nuvaro::cli
