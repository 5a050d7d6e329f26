// What the calendar's command-line exports (--print-calendar, --export-ics) share: their
// exit statuses, their messages on the terminal and how they read a month and a name.
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace nuvaro::ui {

inline constexpr int kExportExitFailed = 1;  // nothing could be written; an earlier file stays
inline constexpr int kExportExitUsage = 2;   // an option or value that cannot be used

// Writes a CP932 text to stderr in UTF-8, with %s replaced by `argument`.
void ComplainOnTerminal(std::string_view cp932, const QString& argument = QString());

// "YYYY-MM" gives one month, "YYYY" the whole year; nothing outside the calendar's years.
struct MonthSpan {
  int year = 0;
  int firstMonth = 0;
  int lastMonth = 0;
};
std::optional<MonthSpan> ParseMonthSpan(const QString& text);

// "姓 名": the first space (or full-width space) parts surname and given name; CP932.
struct CommandLineName {
  std::string surname;
  std::string givenName;
};
std::optional<CommandLineName> ParseCommandLineName(const QString& text);

}  // namespace nuvaro::ui
