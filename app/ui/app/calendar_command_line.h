// What the calendar's command-line exports (--print-calendar, --export-ics) share: their
// exit statuses, their messages on the terminal and how they read a month and a name.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/calendar_settings.h"

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

// The options both exports read: `mainOption` with its month span, --name, --output,
// --settings, and the value-less switches listed in `switches`. Each option is read
// once as it comes; an unknown option, a missing value, a bad month or a name code
// page 932 cannot hold is told on the terminal (with `usage`) and gives nothing.
struct CalendarCommandOptions {
  std::optional<MonthSpan> span;
  std::optional<CommandLineName> name;
  QString output;
  QString settings;
  std::vector<QString> switches;  // those given, as written
  bool Has(const QString& flag) const;
};
std::optional<CalendarCommandOptions> ReadCalendarCommandOptions(const QStringList& arguments, const char* mainOption,
                                                                 std::string_view usage,
                                                                 const std::vector<QString>& switches = {});

// The calendar settings an export draws with: the program's own, or the file --settings
// names (told on the terminal, and nothing, when that file does not exist).
std::optional<calendar::CalendarSettings> ReadCommandSettings(const QString& settingsPath);

}  // namespace nuvaro::ui
