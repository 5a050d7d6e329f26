// day YYYY-MM-DD: what the fortune calendar shows for one civil day — weekday, holiday,
// sexagenary names with their branch numbers, old-calendar label and rokuyou.
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/civil_date.h"
#include "calendar/holiday_table.h"
#include "calendar/old_calendar_label.h"
#include "calendar/sexagenary.h"
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

CommandResult RunDay(const std::vector<std::string>& args, CommandSession&) {
  auto date = ParseDate(args[0]);
  if (!date) return CommandResult::Fail(kExitUsage, "\"" + args[0] + "\" is not a date YYYY-MM-DD (years 1 to 9999)");

  bool convertible = true;
  auto text = [&convertible](std::string_view cp932) {
    auto utf8 = platform::Cp932ToUtf8(cp932);
    if (!utf8) convertible = false;
    return Json::String(utf8.value_or(""));
  };

  calendar::HolidayTable holidays = calendar::BuildHolidayTable(date->year);
  const calendar::HolidayEntry* holiday = calendar::FindHoliday(holidays, date->month, date->day);
  calendar::SexagenaryNameSet names = calendar::SexagenaryNames(date->year, date->month, date->day);
  calendar::DayLabels labels = calendar::LunarDayLabels(date->year, date->month, date->day);

  char iso[40];
  std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", date->year, date->month, date->day);
  Json output = Json::Object()
                    .Set("date", Json::String(iso))
                    .Set("weekday", Json::Int(calendar::DayOfWeek(date->year, date->month, date->day)))
                    .Set("holiday", holiday != nullptr ? text(holiday->name) : Json::Null())
                    .Set("sexagenary", Json::Array({text(names.year), text(names.month), text(names.day)}))
                    .Set("branches", Json::Array({Json::Int(calendar::BranchIndex(names.year)),
                                                  Json::Int(calendar::BranchIndex(names.month)),
                                                  Json::Int(calendar::BranchIndex(names.day))}))
                    .Set("oldCalendar", text(labels.oldCalendar))
                    .Set("rokuyou", text(labels.rokuyou));
  if (!convertible) return CommandResult::Fail(kExitFailure, "a calendar text is not valid CP932");
  return CommandResult::Ok(std::move(output));
}

const CliCommandRegistration kDay({"day", "YYYY-MM-DD",
                                   "Weekday, holiday, sexagenary names and branches, old-calendar date and rokuyou of a day.",
                                   1, RunDay});

}  // namespace
}  // namespace nuvaro::cli
