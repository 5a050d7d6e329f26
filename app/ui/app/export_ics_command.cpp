#include "ui/app/export_ics_command.h"

#include <QDateTime>
#include <QFile>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "calendar/almanac_export.h"
#include "calendar/calendar_settings.h"
#include "calendar/calendar_window_texts.h"
#include "calendar/civil_date.h"
#include "core/engine_binding.h"
#include "platform/core/encoding.h"
#include "platform/core/file_system.h"
#include "platform/qt/text_conversion.h"
#include "ui/app/calendar_command_line.h"
#include "ui/calendar/calendar_window.h"
#include "ui/calendar/year_month_dialog.h"

namespace nuvaro::ui {

namespace {

namespace texts = calendar_texts;

constexpr int kExitFailed = kExportExitFailed;
constexpr int kExitUsage = kExportExitUsage;

void Complain(std::string_view cp932, const QString& argument = QString()) { ComplainOnTerminal(cp932, argument); }

bool ParseRange(const QString& text, calendar::AlmanacExportRequest& request) {
  std::optional<MonthSpan> span = ParseMonthSpan(text);
  if (!span) return false;
  request.from = {span->year, span->firstMonth, 1};
  request.to = {span->year, span->lastMonth, calendar::DaysInMonth(span->year, span->lastMonth)};
  return true;
}

// The calendar's one full name: surname and given name parted by one space; CP932.
std::optional<std::string> ParseName(const QString& text) {
  std::optional<CommandLineName> name = ParseCommandLineName(text);
  if (!name) return std::nullopt;
  return name->surname + " " + name->givenName;
}

calendar::CivilDateTime NowUtc() {
  QDateTime now = QDateTime::currentDateTimeUtc();
  return {now.date().year(), now.date().month(), now.date().day(),
          now.time().hour(), now.time().minute(), now.time().second()};
}

}  // namespace

bool IsExportIcsCommand(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], kExportIcsOption) == 0) return true;
  }
  return false;
}

int RunExportIcsCommand(const QStringList& arguments) {
  calendar::AlmanacExportRequest request;
  bool haveRange = false;
  std::optional<std::string> name;
  QString output, settingsPath;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& option = arguments[i];
    if (option == QLatin1String("--no-rokuyou")) {
      request.rokuyou = false;
      continue;
    }
    if (option == QLatin1String("--no-reading")) {
      request.reading = false;
      continue;
    }
    bool known = option == QLatin1String(kExportIcsOption) || option == QLatin1String("--name") ||
                 option == QLatin1String("--output") || option == QLatin1String("--settings");
    if (!known) {
      Complain(texts::kCliUnknownOption, option);
      Complain(texts::kIcsUsage);
      return kExitUsage;
    }
    if (i + 1 >= arguments.size()) {
      Complain(texts::kIcsUsage);
      return kExitUsage;
    }
    const QString& value = arguments[++i];
    if (option == QLatin1String(kExportIcsOption)) {
      if (!ParseRange(value, request)) {
        Complain(texts::kCliBadMonth, value);
        return kExitUsage;
      }
      haveRange = true;
    } else if (option == QLatin1String("--name")) {
      name = ParseName(value);
      if (!name) {
        Complain(texts::kCliNameNotCp932, value);
        return kExitUsage;
      }
    } else if (option == QLatin1String("--output")) {
      output = value;
    } else {
      settingsPath = value;
    }
  }
  if (!haveRange) {
    Complain(texts::kIcsUsage);
    return kExitUsage;
  }
  if (!name && request.reading) {
    Complain(texts::kCliNoName);
    return kExitUsage;
  }
  if (output.isEmpty()) {
    Complain(texts::kIcsNoOutput);
    return kExitUsage;
  }
  calendar::CalendarSettings settings;
  if (settingsPath.isEmpty()) {
    settings = calendar::ReadCalendarSettings(calendar::CalendarIniFile());
  } else {
    if (!platform::FileExists(settingsPath.toStdString())) {
      Complain(texts::kCliNoSettings, settingsPath);
      return kExitUsage;
    }
    settings = calendar::ReadCalendarSettingsFrom(settingsPath.toStdString());
  }
  request.choices = settings.choices;
  request.fullName = name.value_or(" ");

  core::EngineBinding engine;
  std::optional<calendar::DayReadingEngine> entries;
  if (request.reading) {
    if (!engine.Bind()) {
      Complain(texts::kCliNoEngine);
      return kExitFailed;
    }
    entries = CalendarEngine(engine);
    request.engine = entries ? &*entries : nullptr;
  }
  bool written = calendar::ExportAlmanacICalendar(QFile::encodeName(output).toStdString(), request, NowUtc());
  engine.Release();
  if (!written) {
    Complain(texts::kCliCannotWrite, output);
    return kExitFailed;
  }
  return 0;
}

}  // namespace nuvaro::ui
