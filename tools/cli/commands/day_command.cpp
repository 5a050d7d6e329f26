// day [--law current] [--lunar exact] YYYY-MM-DD: what the fortune calendar shows for
// one civil day — weekday, holiday, sexagenary names with their branch numbers,
// old-calendar label and rokuyou (with --almanac also the solar term, seasonal days and
// lucky days); the options choose the reckoning as the calendar's settings do.
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "almanac_json.h"
#include "calendar/almanac.h"
#include "calendar/calendar_month.h"
#include "calendar/civil_date.h"
#include "calendar/sexagenary.h"
#include "calendar_options.h"
#include "cli_command.h"
#include "platform/core/encoding.h"

namespace nuvaro::cli {
namespace {

constexpr char kDayUsage[] = "[--law current] [--lunar exact] [--almanac] YYYY-MM-DD";

CommandResult RunDay(const std::vector<std::string>& given, CommandSession&) {
  // --almanac may stand anywhere among the options.
  std::vector<std::string> args;
  bool almanac = false;
  for (const std::string& arg : given) {
    if (arg == "--almanac") {
      almanac = true;
    } else {
      args.push_back(arg);
    }
  }
  CalendarOptions options = ParseCalendarOptions(args);
  if (!options.error.empty()) return CommandResult::Fail(kExitUsage, options.error);
  if (options.rest.size() != 1) return CommandResult::Fail(kExitUsage, std::string("usage: nuvaro-cli day ") + kDayUsage);
  const std::string& argument = options.rest[0];
  auto date = ParseIsoDate(argument);
  if (!date) return CommandResult::Fail(kExitBadInput, "\"" + argument + "\" is not a date YYYY-MM-DD (years 1 to 9999)");

  bool convertible = true;
  auto text = [&convertible](std::string_view cp932) {
    auto utf8 = platform::Cp932ToUtf8(cp932);
    if (!utf8) convertible = false;
    return Json::String(utf8.value_or(""));
  };

  calendar::SexagenaryNameSet names = calendar::SexagenaryNames(date->year, date->month, date->day);
  // Holiday and labels as the month grid gets them for the chosen reckoning.
  calendar::CalendarChoices choices;
  choices.currentHolidayLaw = options.currentLaw;
  choices.exactLunar = options.exactLunar;
  calendar::CalendarDay cell = calendar::BuildCalendarDay(date->year, date->month, date->day, choices);

  char iso[40];
  std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", date->year, date->month, date->day);
  Json output = Json::Object()
                    .Set("date", Json::String(iso))
                    .Set("weekday", Json::Int(calendar::DayOfWeek(date->year, date->month, date->day)))
                    .Set("holiday", !cell.holiday.empty() ? text(cell.holiday) : Json::Null())
                    .Set("sexagenary", Json::Array({text(names.year), text(names.month), text(names.day)}))
                    .Set("branches", Json::Array({Json::Int(calendar::BranchIndex(names.year)),
                                                  Json::Int(calendar::BranchIndex(names.month)),
                                                  Json::Int(calendar::BranchIndex(names.day))}))
                    .Set("oldCalendar", text(cell.oldCalendar))
                    .Set("rokuyou", text(cell.rokuyou));
  if (almanac) {
    if (date->year < calendar::kAlmanacFirstYear || date->year > calendar::kAlmanacLastYear) {
      return CommandResult::Fail(kExitBadInput, "--almanac is given for the years " +
                                                 std::to_string(calendar::kAlmanacFirstYear) + " to " +
                                                 std::to_string(calendar::kAlmanacLastYear));
    }
    AddAlmanacJson(output, calendar::AlmanacOf(date->year, date->month, date->day));
  }
  if (!convertible) return CommandResult::Fail(kExitFailure, "a calendar text is not valid CP932");
  return CommandResult::Ok(std::move(output));
}

const CliCommandRegistration kDay({"day", kDayUsage,
                                   "Weekday, holiday, sexagenary names and branches, old-calendar date and rokuyou of a "
                                   "day; --law current: holidays by today's law, --lunar exact: old calendar from the "
                                   "sun and the moon, --almanac: solar term, seasonal days and lucky days.",
                                   -1, RunDay});

}  // namespace
}  // namespace nuvaro::cli
