// Nuvaro: the program's entry point.
#include <QApplication>

#include "platform/qt/qt_message_sink.h"
#include "ui/app/program_main.h"
#include "ui/app/qt_translation.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  nuvaro::ui::SetApplicationNames();
  nuvaro::platform::QtMessageSink sink;
  nuvaro::platform::SetMessageSink(&sink);
  int status = nuvaro::ui::RunProgram();
  nuvaro::platform::SetMessageSink(nullptr);
  return status;
}
