// Nuvaro: the program's entry point.
#include <QApplication>

#include <iostream>

#include "platform/qt/qt_message_sink.h"
#include "ui/app/argument_bounds.h"
#include "ui/app/export_ics_command.h"
#include "ui/app/print_calendar_command.h"
#include "ui/app/print_reading_command.h"
#include "ui/app/program_information.h"
#include "ui/app/program_main.h"
#include "ui/app/qt_translation.h"

int main(int argc, char** argv) {
  // Answered before Qt starts: Qt's platform plug-in needs a display, these do not.
  if (auto which = nuvaro::ui::RequestedInformation(argc, argv); which != nuvaro::ui::ProgramInformation::None)
    return nuvaro::ui::PrintProgramInformation(which, std::cout) == 0 && std::cout.flush() ? 0 : 1;
  const bool printCalendar = nuvaro::ui::IsPrintCalendarCommand(argc, argv);
  const bool exportIcs = nuvaro::ui::IsExportIcsCommand(argc, argv);
  if (printCalendar || exportIcs || nuvaro::ui::IsPrintReadingCommand(argc, argv)) {
    if (auto overlong = nuvaro::ui::OverlongArgumentMessage(argc, argv)) {
      std::cerr << *overlong << '\n';
      return 2;  // a value that cannot be used, as for the exports' other bad values
    }
  }
  if (printCalendar || exportIcs) nuvaro::ui::PrepareHeadlessPrintCalendar();
  if (nuvaro::ui::IsPrintReadingCommand(argc, argv)) return nuvaro::ui::RunPrintReadingCommand(argc, argv);
  QApplication application(argc, argv);
  nuvaro::ui::SetApplicationNames();
  // The export writes its messages to the terminal (the default sink).
  if (printCalendar) return nuvaro::ui::RunPrintCalendarCommand(QApplication::arguments());
  if (exportIcs) return nuvaro::ui::RunExportIcsCommand(QApplication::arguments());
  nuvaro::platform::QtMessageSink sink;
  nuvaro::platform::SetMessageSink(&sink);
  int status = nuvaro::ui::RunProgram();
  nuvaro::platform::SetMessageSink(nullptr);
  return status;
}
