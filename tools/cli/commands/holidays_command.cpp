// holidays YEAR: the 15 slots of the year's holiday table, in their fixed order.
#include <charconv>
#include <string>

#include "calendar/holiday_table.h"
#include "cli_command.h"
#include "platform/core/encoding.h"

namespace nuvaro::cli {
namespace {

CommandResult RunHolidays(const std::vector<std::string>& args, CommandSession&) {
  const std::string& text = args[0];
  int year = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
  if (error != std::errc() || end != text.data() + text.size() || year < 1 || year > 9999) {
    return CommandResult::Fail(kExitUsage, "\"" + text + "\" is not a year from 1 to 9999");
  }
  calendar::HolidayTable table = calendar::BuildHolidayTable(year);
  Json slots = Json::Array();
  for (const calendar::HolidayEntry& slot : table.slots) {
    auto name = platform::Cp932ToUtf8(slot.name);
    if (!name) return CommandResult::Fail(kExitFailure, "a holiday name is not valid CP932");
    slots.Push(Json::Object()
                   .Set("month", Json::Int(slot.month))
                   .Set("day", Json::Int(slot.day))
                   .Set("name", Json::String(*name)));
  }
  return CommandResult::Ok(Json::Object().Set("slots", std::move(slots)));
}

const CliCommandRegistration kHolidays({"holidays", "YEAR",
                                        "The year's 15 holiday slots (day 0: no date this year).", 1,
                                        RunHolidays});

}  // namespace
}  // namespace nuvaro::cli
