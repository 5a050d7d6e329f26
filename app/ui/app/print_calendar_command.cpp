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

constexpr int kExitFailed = kExportExitFailed;
constexpr int kExitUsage = kExportExitUsage;

void Complain(std::string_view cp932, const QString& argument = QString()) { ComplainOnTerminal(cp932, argument); }

struct ExportRequest {
  int year = 0;
  int firstMonth = 0;
  int lastMonth = 0;
  std::string surname;
  std::string givenName;
  QString output;
  QString settings;
};

bool ParseMonth(const QString& text, ExportRequest& request) {
  std::optional<MonthSpan> span = ParseMonthSpan(text);
  if (!span) return false;
  request.year = span->year;
  request.firstMonth = span->firstMonth;
  request.lastMonth = span->lastMonth;
  return true;
}

bool ParseName(const QString& text, ExportRequest& request) {
  std::optional<CommandLineName> name = ParseCommandLineName(text);
  if (!name) return false;
  request.surname = name->surname;
  request.givenName = name->givenName;
  return true;
}

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
  ExportRequest request;
  bool haveMonth = false, haveName = false;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& option = arguments[i];
    bool known = option == QLatin1String(kPrintCalendarOption) || option == QLatin1String("--name") ||
                 option == QLatin1String("--output") || option == QLatin1String("--settings");
    if (!known) {
      Complain(texts::kCliUnknownOption, option);
      Complain(texts::kCliUsage);
      return kExitUsage;
    }
    if (i + 1 >= arguments.size()) {
      Complain(texts::kCliUsage);
      return kExitUsage;
    }
    const QString& value = arguments[++i];
    if (option == QLatin1String(kPrintCalendarOption)) {
      if (!ParseMonth(value, request)) {
        Complain(texts::kCliBadMonth, value);
        return kExitUsage;
      }
      haveMonth = true;
    } else if (option == QLatin1String("--name")) {
      if (!ParseName(value, request)) {
        Complain(texts::kCliNameNotCp932, value);
        return kExitUsage;
      }
      haveName = true;
    } else if (option == QLatin1String("--output")) {
      request.output = value;
    } else {
      request.settings = value;
    }
  }
  if (!haveMonth) {
    Complain(texts::kCliUsage);
    return kExitUsage;
  }
  if (!haveName) {
    Complain(texts::kCliNoName);
    return kExitUsage;
  }
  if (request.output.isEmpty()) {
    Complain(texts::kCliNoOutput);
    return kExitUsage;
  }
  calendar::CalendarSettings settings;
  if (request.settings.isEmpty()) {
    settings = calendar::ReadCalendarSettings(calendar::CalendarIniFile());
  } else {
    std::string path = request.settings.toStdString();
    if (!platform::FileExists(path)) {
      Complain(texts::kCliNoSettings, request.settings);
      return kExitUsage;
    }
    settings = calendar::ReadCalendarSettingsFrom(path);
  }
  // Fail early and clearly on a path that cannot be written, without touching it.
  PdfOutputFile output(request.output);
  if (!output.TargetLooksWritable()) {
    Complain(texts::kCliCannotWrite, request.output);
    return kExitFailed;
  }

  core::EngineBinding engine;
  if (!engine.Bind()) {
    Complain(texts::kCliNoEngine);
    return kExitFailed;
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
    Complain(texts::kCliWriteFailed, request.output);
    return kExitFailed;
  }
  return 0;
}

}  // namespace nuvaro::ui
