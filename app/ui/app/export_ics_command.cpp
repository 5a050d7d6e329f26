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
  const QString noRokuyou = QStringLiteral("--no-rokuyou"), noReading = QStringLiteral("--no-reading");
  std::optional<CalendarCommandOptions> options =
      ReadCalendarCommandOptions(arguments, kExportIcsOption, texts::kIcsUsage, {noRokuyou, noReading});
  if (!options) return kExportExitUsage;
  calendar::AlmanacExportRequest request;
  request.rokuyou = !options->Has(noRokuyou);
  request.reading = !options->Has(noReading);
  if (!options->span) {
    ComplainOnTerminal(texts::kIcsUsage);
    return kExportExitUsage;
  }
  if (!options->name && request.reading) {
    ComplainOnTerminal(texts::kCliNoName);
    return kExportExitUsage;
  }
  if (options->output.isEmpty()) {
    ComplainOnTerminal(texts::kIcsNoOutput);
    return kExportExitUsage;
  }
  std::optional<calendar::CalendarSettings> settings = ReadCommandSettings(options->settings);
  if (!settings) return kExportExitUsage;
  const MonthSpan& span = *options->span;
  request.from = {span.year, span.firstMonth, 1};
  request.to = {span.year, span.lastMonth, calendar::DaysInMonth(span.year, span.lastMonth)};
  const QString output = options->output;
  std::optional<std::string> name;
  if (options->name) name = options->name->surname + " " + options->name->givenName;
  request.choices = settings->choices;
  request.fullName = name.value_or(" ");

  core::EngineBinding engine;
  std::optional<calendar::DayReadingEngine> entries;
  if (request.reading) {
    if (!engine.Bind()) {
      ComplainOnTerminal(texts::kCliNoEngine);
      return kExportExitFailed;
    }
    entries = CalendarEngine(engine);
    request.engine = entries ? &*entries : nullptr;
  }
  bool written = calendar::ExportAlmanacICalendar(QFile::encodeName(output).toStdString(), request, NowUtc());
  engine.Release();
  if (!written) {
    ComplainOnTerminal(texts::kCliCannotWrite, output);
    return kExportExitFailed;
  }
  return 0;
}

}  // namespace nuvaro::ui
