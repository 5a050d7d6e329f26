#include "ui/app/program_main.h"

#include <QApplication>

#include "ui/app/sdi_win_app.h"

namespace nuvaro::ui {

int RunProgram() {
  CSDIWinApp program;
  int status = kStartupFailedStatus;
  if (program.InitInstance()) status = QApplication::exec();
  program.ExitInstance();
  return status;
}

}  // namespace nuvaro::ui
