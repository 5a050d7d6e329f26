// days --from YYYY-MM-DD --to YYYY-MM-DD [--rokuyou 大安,友引] [--rekichu 一粒万倍日,天赦日]
// [--holiday-or-weekend] [--not-butsumetsu] [--name "姓 名" --good-face] [--law …]
// [--lunar …]: the lucky-day search, one JSON line per matching day.
#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "almanac_json.h"
#include "calendar/almanac_search.h"
#include "calendar/rokuyou.h"
#include "calendar_options.h"
#include "cli_command.h"
#include "nuvacalc.h"
#include "platform/core/encoding.h"

namespace nuvaro::cli {
namespace {

constexpr char kDaysUsage[] =
    "--from YYYY-MM-DD --to YYYY-MM-DD [--rokuyou NAMES] [--rekichu NAMES] [--holiday-or-weekend] "
    "[--not-butsumetsu] [--name \"SURNAME GIVEN\" [--good-face]] [--law current] [--lunar exact]";

std::vector<std::string> SplitList(const std::string& text) {
  std::vector<std::string> items;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t comma = text.find(',', start);
    if (comma == std::string::npos) comma = text.size();
    if (comma > start) items.push_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  return items;
}

// The six rokuyou names, CP932.
std::set<std::string> RokuyouNames() {
  std::set<std::string> names;
  for (int day = 1; day <= calendar::kRokuyouCount; ++day) names.emplace(calendar::RokuyouOf(1, day));
  return names;
}

struct DaysRequest {
  std::optional<IsoDate> from;
  std::optional<IsoDate> to;
  calendar::LuckyDayCriteria criteria;
  std::string name;  // CP932
  std::vector<std::string> reckoning;
};

// Reads the options; nothing when they are sound, else the refusal: a usage fault or a
// value that cannot be used, by the tool's one exit rule.
std::optional<CommandResult> ParseDaysOptions(const std::vector<std::string>& args, DaysRequest& request) {
  const std::set<std::string> rokuyouNames = RokuyouNames();
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option == "--good-face") {
      request.criteria.goodFace = true;
      continue;
    }
    if (option == "--holiday-or-weekend") {
      request.criteria.holidayOrWeekend = true;
      continue;
    }
    if (option == "--not-butsumetsu") {
      request.criteria.notButsumetsu = true;
      continue;
    }
    if (i + 1 >= args.size()) return CommandResult::Fail(kExitUsage, "\"" + option + "\" needs a value");
    const std::string& value = args[++i];
    if (option == "--from" || option == "--to") {
      auto date = ParseIsoDate(value);
      if (!date) return CommandResult::Fail(kExitBadInput, "\"" + value + "\" is not a date YYYY-MM-DD");
      (option == "--from" ? request.from : request.to) = date;
    } else if (option == "--rokuyou") {
      for (const std::string& name : SplitList(value)) {
        auto cp932 = platform::Utf8ToCp932(name);
        if (!cp932 || rokuyouNames.count(*cp932) == 0) return CommandResult::Fail(kExitBadInput, "\"" + name + "\" is no rokuyou");
        request.criteria.rokuyou.push_back(*cp932);
      }
    } else if (option == "--rekichu") {
      for (const std::string& name : SplitList(value)) {
        calendar::Rekichu item;
        if (!RekichuFromName(name, item)) return CommandResult::Fail(kExitBadInput, "\"" + name + "\" is no lucky day of the almanac (一粒万倍日, 天赦日)");
        request.criteria.rekichu.push_back(item);
      }
    } else if (option == "--name") {
      auto cp932 = platform::Utf8ToCp932(value);
      if (!cp932) return CommandResult::Fail(kExitBadInput, "the name \"" + value + "\" cannot be written in CP932");
      request.name = *cp932;
    } else if (option == "--law" || option == "--lunar") {
      request.reckoning.insert(request.reckoning.end(), {option, value});
    } else {
      return CommandResult::Fail(kExitUsage, "unknown option \"" + option + "\"");
    }
  }
  if (!request.from || !request.to) return CommandResult::Fail(kExitUsage, std::string("usage: nuvaro-cli days ") + kDaysUsage);
  if (request.criteria.goodFace && request.name.empty()) return CommandResult::Fail(kExitUsage, "--good-face needs --name");
  auto outside = [](const IsoDate& d) {
    return d.year < calendar::kAlmanacFirstYear || d.year > calendar::kAlmanacLastYear;
  };
  if (outside(*request.from) || outside(*request.to)) {
    return CommandResult::Fail(kExitBadInput, "the search covers the years " + std::to_string(calendar::kAlmanacFirstYear) + " to " +
           std::to_string(calendar::kAlmanacLastYear));
  }
  return std::nullopt;
}

Json DayJson(const calendar::LuckyDay& day, bool withReading) {
  char iso[16];
  std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", day.date.year, day.date.month, day.date.day);
  auto text = [](const std::string& cp932) { return Json::String(platform::Cp932ToUtf8Lossy(cp932)); };
  Json json = Json::Object()
                  .Set("date", Json::String(iso))
                  .Set("weekday", Json::Int(day.weekday))
                  .Set("holiday", day.holiday.empty() ? Json::Null() : text(day.holiday))
                  .Set("rokuyou", text(day.rokuyou))
                  .Set("oldCalendar", text(day.oldCalendar));
  AddAlmanacJson(json, calendar::AlmanacOf(day.date.year, day.date.month, day.date.day));
  if (withReading) json.Set("reading", text(day.reading)).Set("faceKind", Json::Int(day.faceKind));
  return json;
}

CommandResult RunDays(const std::vector<std::string>& args, CommandSession&) {
  DaysRequest request;
  if (std::optional<CommandResult> refused = ParseDaysOptions(args, request)) return *refused;
  CalendarOptions reckoning = ParseCalendarOptions(request.reckoning);
  if (!reckoning.error.empty()) return CommandResult::Fail(kExitUsage, reckoning.error);
  calendar::CalendarChoices choices;
  choices.currentHolidayLaw = reckoning.currentLaw;
  choices.exactLunar = reckoning.exactLunar;

  calendar::CivilDay from{request.from->year, request.from->month, request.from->day};
  calendar::CivilDay to{request.to->year, request.to->month, request.to->day};
  if (to < from) return CommandResult::Fail(kExitBadInput, "--to lies before --from");
  calendar::DayReadingEngine engine{&CalculateSoul, &GetUnseiCalendar};
  // A name without a space is a given name alone, as in the calendar window.
  std::string fullName = request.name.find(' ') == std::string::npos ? " " + request.name : request.name;
  std::vector<calendar::LuckyDay> found =
      calendar::FindLuckyDays(from, to, request.criteria, choices, &engine, fullName);
  std::vector<Json> lines;
  lines.reserve(found.size());
  for (const calendar::LuckyDay& day : found) lines.push_back(DayJson(day, request.criteria.goodFace));
  if (lines.empty()) return CommandResult::Ok(Json::Object().Set("days", Json::Int(0)));
  return CommandResult::Lines(std::move(lines));
}

const CliCommandRegistration kDays({"days", kDaysUsage,
                                    "The lucky-day search: every day of the range that meets all the conditions "
                                    "given, one JSON line each (no match: {\"days\": 0}).",
                                    -1, RunDays});

}  // namespace
}  // namespace nuvaro::cli
