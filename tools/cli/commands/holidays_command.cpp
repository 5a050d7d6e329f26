// holidays [--law current] YEAR: without the option the 15 slots of the year's holiday
// table in their fixed order; with it the year's holidays by today's law in date order.
#include <charconv>
#include <string>

#include "calendar/current_holidays.h"
#include "calendar/holiday_table.h"
#include "calendar_options.h"
#include "cli_command.h"
#include "platform/core/encoding.h"

namespace nuvaro::cli {
namespace {

constexpr char kHolidaysUsage[] = "[--law current] YEAR";

Json HolidayJson(int month, int day, const std::string& utf8Name) {
  return Json::Object().Set("month", Json::Int(month)).Set("day", Json::Int(day)).Set("name", Json::String(utf8Name));
}

CommandResult RunHolidays(const std::vector<std::string>& args, CommandSession&) {
  CalendarOptions options = ParseCalendarOptions(args);
  if (!options.error.empty()) return CommandResult::Fail(kExitUsage, options.error);
  if (options.exactLunar) return CommandResult::Fail(kExitUsage, "holidays takes no --lunar option");
  if (options.rest.size() != 1) {
    return CommandResult::Fail(kExitUsage, std::string("usage: nuvaro-cli holidays ") + kHolidaysUsage);
  }
  const std::string& text = options.rest[0];
  int year = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
  if (error != std::errc() || end != text.data() + text.size() || year < 1 || year > 9999) {
    return CommandResult::Fail(kExitBadInput, "\"" + text + "\" is not a year from 1 to 9999");
  }
  if (options.currentLaw) {
    Json holidays = Json::Array();
    for (const calendar::Holiday& h : calendar::CurrentLawHolidays(year)) {
      auto name = platform::Cp932ToUtf8(h.name);
      if (!name) return CommandResult::Fail(kExitFailure, "a holiday name is not valid CP932");
      holidays.Push(HolidayJson(h.month, h.day, *name));
    }
    return CommandResult::Ok(Json::Object().Set("year", Json::Int(year)).Set("holidays", std::move(holidays)));
  }
  calendar::HolidayTable table = calendar::BuildHolidayTable(year);
  Json slots = Json::Array();
  for (const calendar::HolidayEntry& slot : table.slots) {
    auto name = platform::Cp932ToUtf8(slot.name);
    if (!name) return CommandResult::Fail(kExitFailure, "a holiday name is not valid CP932");
    slots.Push(HolidayJson(slot.month, slot.day, *name));
  }
  return CommandResult::Ok(Json::Object().Set("slots", std::move(slots)));
}

const CliCommandRegistration kHolidays({"holidays", kHolidaysUsage,
                                        "The year's 15 holiday slots (day 0: no date this year); with --law "
                                        "current the year's holidays by today's law in date order.",
                                        -1, RunHolidays});

}  // namespace
}  // namespace nuvaro::cli
