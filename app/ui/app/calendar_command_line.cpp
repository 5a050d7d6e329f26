#include "ui/app/calendar_command_line.h"

#include <QRegularExpression>

#include <algorithm>
#include <cstdio>

#include "calendar/calendar_window_texts.h"
#include "platform/core/encoding.h"
#include "platform/core/file_system.h"
#include "platform/qt/text_conversion.h"
#include "ui/calendar/year_month_dialog.h"

namespace nuvaro::ui {

void ComplainOnTerminal(std::string_view cp932, const QString& argument) {
  std::string text = platform::Cp932ToUtf8Lossy(cp932);
  std::size_t mark = text.find("%s");
  if (mark != std::string::npos) text.replace(mark, 2, argument.toStdString());
  std::fprintf(stderr, "Nuvaro: %s\n", text.c_str());
}

std::optional<MonthSpan> ParseMonthSpan(const QString& text) {
  static const QRegularExpression pattern(QStringLiteral("^(\\d{4})(?:-(\\d{1,2}))?$"));
  QRegularExpressionMatch match = pattern.match(text);
  if (!match.hasMatch()) return std::nullopt;
  MonthSpan span{match.captured(1).toInt(), 1, 12};
  if (span.year < kFirstCalendarYear || span.year > kLastCalendarYear) return std::nullopt;
  if (match.captured(2).isEmpty()) return span;
  int month = match.captured(2).toInt();
  if (month < 1 || month > 12) return std::nullopt;
  span.firstMonth = span.lastMonth = month;
  return span;
}

std::optional<CommandLineName> ParseCommandLineName(const QString& text) {
  qsizetype space = text.indexOf(QLatin1Char(' '));
  if (space < 0) space = text.indexOf(QChar(0x3000));
  QString surname = space < 0 ? QString() : text.left(space);
  QString givenName = space < 0 ? text : text.mid(space + 1);
  std::optional<std::string> surnameBytes = platform::QStringToCp932(surname);
  std::optional<std::string> givenNameBytes = platform::QStringToCp932(givenName);
  if (!surnameBytes || !givenNameBytes) return std::nullopt;
  return CommandLineName{*surnameBytes, *givenNameBytes};
}

bool CalendarCommandOptions::Has(const QString& flag) const {
  return std::find(switches.begin(), switches.end(), flag) != switches.end();
}

std::optional<CalendarCommandOptions> ReadCalendarCommandOptions(const QStringList& arguments, const char* mainOption,
                                                                 std::string_view usage,
                                                                 const std::vector<QString>& switches) {
  namespace texts = calendar_texts;
  CalendarCommandOptions options;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& option = arguments[i];
    if (std::find(switches.begin(), switches.end(), option) != switches.end()) {
      options.switches.push_back(option);
      continue;
    }
    bool known = option == QLatin1String(mainOption) || option == QLatin1String("--name") ||
                 option == QLatin1String("--output") || option == QLatin1String("--settings");
    if (!known) {
      ComplainOnTerminal(texts::kCliUnknownOption, option);
      ComplainOnTerminal(usage);
      return std::nullopt;
    }
    if (i + 1 >= arguments.size()) {
      ComplainOnTerminal(usage);
      return std::nullopt;
    }
    const QString& value = arguments[++i];
    if (option == QLatin1String(mainOption)) {
      options.span = ParseMonthSpan(value);
      if (!options.span) {
        ComplainOnTerminal(texts::kCliBadMonth, value);
        return std::nullopt;
      }
    } else if (option == QLatin1String("--name")) {
      options.name = ParseCommandLineName(value);
      if (!options.name) {
        ComplainOnTerminal(texts::kCliNameNotCp932, value);
        return std::nullopt;
      }
    } else if (option == QLatin1String("--output")) {
      options.output = value;
    } else {
      options.settings = value;
    }
  }
  return options;
}

std::optional<calendar::CalendarSettings> ReadCommandSettings(const QString& settingsPath) {
  if (settingsPath.isEmpty()) return calendar::ReadCalendarSettings(calendar::CalendarIniFile());
  const std::string path = settingsPath.toStdString();
  if (!platform::FileExists(path)) {
    ComplainOnTerminal(calendar_texts::kCliNoSettings, settingsPath);
    return std::nullopt;
  }
  return calendar::ReadCalendarSettingsFrom(path);
}

}  // namespace nuvaro::ui
