// Nuvaro: the program's entry point.
#include <QApplication>

#include "platform/qt/qt_message_sink.h"
#include "ui/app/print_reading_command.h"
#include "ui/app/program_main.h"

int main(int argc, char** argv) {
  if (nuvaro::ui::IsPrintReadingCommand(argc, argv)) return nuvaro::ui::RunPrintReadingCommand(argc, argv);
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Nuvaro"));
  QApplication::setApplicationDisplayName(QString::fromUtf8("ヌヴァロ君"));
  QApplication::setDesktopFileName(QStringLiteral("nuvaro"));
  nuvaro::platform::QtMessageSink sink;
  nuvaro::platform::SetMessageSink(&sink);
  int status = nuvaro::ui::RunProgram();
  nuvaro::platform::SetMessageSink(nullptr);
  return status;
}
