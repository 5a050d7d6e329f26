#include "calendar_options.h"

#include <charconv>

#include "calendar/civil_date.h"

namespace nuvaro::cli {

CalendarOptions ParseCalendarOptions(const std::vector<std::string>& args) {
  CalendarOptions options;
  std::size_t i = 0;
  for (; i < args.size() && args[i].rfind("--", 0) == 0; i += 2) {
    const std::string& name = args[i];
    if (i + 1 >= args.size()) {
      options.error = name + " needs a value";
      return options;
    }
    const std::string& value = args[i + 1];
    if (name == "--law" && (value == "current" || value == "original")) {
      options.currentLaw = value == "current";
    } else if (name == "--lunar" && (value == "exact" || value == "arithmetic")) {
      options.exactLunar = value == "exact";
    } else if (name == "--law" || name == "--lunar") {
      options.error = "\"" + value + "\" is no value of " + name +
                      (name == "--law" ? " (current or original)" : " (exact or arithmetic)");
      return options;
    } else {
      options.error = "unknown option \"" + name + "\"";
      return options;
    }
  }
  options.rest.assign(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
  return options;
}

namespace {

std::optional<int> ParseNumber(std::string_view text) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<IsoDate> ParseIsoDate(std::string_view text) {
  std::size_t first = text.find('-');
  std::size_t second = first == std::string_view::npos ? first : text.find('-', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  auto year = ParseNumber(text.substr(0, first));
  auto month = ParseNumber(text.substr(first + 1, second - first - 1));
  auto day = ParseNumber(text.substr(second + 1));
  if (!year || !month || !day || *year < 1 || *month < 1 || *month > 12) return std::nullopt;
  if (*day < 1 || *day > calendar::DaysInMonth(*year, *month)) return std::nullopt;
  return IsoDate{*year, *month, *day};
}

}  // namespace nuvaro::cli
