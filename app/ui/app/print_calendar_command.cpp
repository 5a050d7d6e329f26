#include "ui/app/print_calendar_command.h"

#include <QFile>
#include <QPrinter>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "calendar/calendar_settings.h"
#include "calendar/calendar_window_texts.h"
#include "core/engine_binding.h"
#include "platform/core/encoding.h"
#include "platform/core/file_system.h"
#include "platform/qt/text_conversion.h"
#include "ui/app/calendar_command_line.h"
#include "ui/app/pdf_output_file.h"
#include "ui/calendar/calendar_printing.h"
#include "ui/calendar/calendar_window.h"
#include "ui/calendar/year_month_dialog.h"
#include "ui/fonts/font_substitutions.h"

namespace nuvaro::ui {

namespace {

namespace texts = calendar_texts;

struct ExportRequest {
  int year = 0;
  int firstMonth = 0;
  int lastMonth = 0;
  std::string surname;
  std::string givenName;
  QString output;
  QString settings;
};

}  // namespace

bool IsPrintCalendarCommand(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], kPrintCalendarOption) == 0) return true;
  }
  return false;
}

void PrepareHeadlessPrintCalendar() {
  // Nothing is shown, so no display is needed: the offscreen platform draws the same.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

int RunPrintCalendarCommand(const QStringList& arguments) {
  std::optional<CalendarCommandOptions> options =
      ReadCalendarCommandOptions(arguments, kPrintCalendarOption, texts::kCliUsage);
  if (!options) return kExportExitUsage;
  if (!options->span) {
    ComplainOnTerminal(texts::kCliUsage);
    return kExportExitUsage;
  }
  if (!options->name) {
    ComplainOnTerminal(texts::kCliNoName);
    return kExportExitUsage;
  }
  if (options->output.isEmpty()) {
    ComplainOnTerminal(texts::kCliNoOutput);
    return kExportExitUsage;
  }
  std::optional<calendar::CalendarSettings> read = ReadCommandSettings(options->settings);
  if (!read) return kExportExitUsage;
  calendar::CalendarSettings settings = *read;
  ExportRequest request{options->span->year, options->span->firstMonth, options->span->lastMonth,
                        options->name->surname, options->name->givenName, options->output, options->settings};
  // Fail early and clearly on a path that cannot be written, without touching it.
  PdfOutputFile output(request.output);
  if (!output.TargetLooksWritable()) {
    ComplainOnTerminal(texts::kCliCannotWrite, request.output);
    return kExportExitFailed;
  }

  core::EngineBinding engine;
  if (!engine.Bind()) {
    ComplainOnTerminal(texts::kCliNoEngine);
    return kExportExitFailed;
  }
  std::optional<calendar::DayReadingEngine> entries = CalendarEngine(engine);
  InstallFontSubstitutions();

  std::vector<MonthGridRequest> pages;
  for (int month = request.firstMonth; month <= request.lastMonth; ++month) {
    MonthGridRequest page;
    page.year = request.year;
    page.month = month;
    page.surname = request.surname;
    page.givenName = request.givenName;
    page.settings = settings;
    page.engine = entries ? &*entries : nullptr;
    pages.push_back(std::move(page));
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  bool printed = output.Prepare(printer) && PrintCalendarPages(printer, pages, CalendarGridSize()) && output.Commit();
  engine.Release();
  if (!printed) {
    ComplainOnTerminal(texts::kCliWriteFailed, request.output);
    return kExportExitFailed;
  }
  return 0;
}

}  // namespace nuvaro::ui
