// day [--law current] [--lunar exact] YYYY-MM-DD: what the fortune calendar shows for
// one civil day — weekday, holiday, sexagenary names with their branch numbers,
// old-calendar label and rokuyou; the options choose the reckoning as the calendar's
// settings do.
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/calendar_month.h"
#include "calendar/civil_date.h"
#include "calendar/sexagenary.h"
#include "calendar_options.h"
#include "cli_command.h"
#include "platform/core/encoding.h"

namespace nuvaro::cli {
namespace {

struct Date {
  int year;
  int month;
  int day;
};

std::optional<int> ParseNumber(std::string_view text) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// A valid date of the years 1 to 9999 written YYYY-MM-DD.
std::optional<Date> ParseDate(std::string_view text) {
  std::size_t first = text.find('-');
  std::size_t second = first == std::string_view::npos ? first : text.find('-', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  auto year = ParseNumber(text.substr(0, first));
  auto month = ParseNumber(text.substr(first + 1, second - first - 1));
  auto day = ParseNumber(text.substr(second + 1));
  if (!year || !month || !day || *year < 1 || *month < 1 || *month > 12) return std::nullopt;
  if (*day < 1 || *day > calendar::DaysInMonth(*year, *month)) return std::nullopt;
  return Date{*year, *month, *day};
}

constexpr char kDayUsage[] = "[--law current] [--lunar exact] YYYY-MM-DD";

CommandResult RunDay(const std::vector<std::string>& args, CommandSession&) {
  CalendarOptions options = ParseCalendarOptions(args);
  if (!options.error.empty()) return CommandResult::Fail(kExitUsage, options.error);
  if (options.rest.size() != 1) return CommandResult::Fail(kExitUsage, std::string("usage: nuvaro-cli day ") + kDayUsage);
  const std::string& argument = options.rest[0];
  auto date = ParseDate(argument);
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
  if (!convertible) return CommandResult::Fail(kExitFailure, "a calendar text is not valid CP932");
  return CommandResult::Ok(std::move(output));
}

const CliCommandRegistration kDay({"day", kDayUsage,
                                   "Weekday, holiday, sexagenary names and branches, old-calendar date and rokuyou of a "
                                   "day; --law current: holidays by today's law, --lunar exact: old calendar from the "
                                   "sun and the moon.",
                                   -1, RunDay});

}  // namespace
}  // namespace nuvaro::cli
