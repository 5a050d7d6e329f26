#include "ui/app/program_main.h"

#include <QApplication>
#include <QCryptographicHash>

#include "platform/core/data_folder.h"
#include "platform/qt/single_instance.h"
#include "ui/app/sdi_win_app.h"
#include "ui/frame/main_frame.h"

namespace nuvaro::ui {
namespace {

void BringToFront(QWidget* window) {
  if (window == nullptr) return;
  if (window->isMinimized()) window->showNormal();
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace

QString ProgramInstanceKey() {
  const QByteArray folder = QByteArray::fromStdString(platform::DataDirectory());
  return QStringLiteral("Nuvaro-") +
         QString::fromLatin1(QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(16));
}

int RunProgram() {
  platform::SingleInstance instance(ProgramInstanceKey());
  // The running copy has been asked to come forward; this one has nothing to do.
  if (instance.AnotherCopyRuns()) return 0;
  if (!instance.Listen() && instance.AnotherCopyRuns()) return 0;
  CSDIWinApp program;
  int status = kStartupFailedStatus;
  if (program.InitInstance()) {
    QObject::connect(&instance, &platform::SingleInstance::raiseRequested, [&program] {
      BringToFront(program.MainFrame());
    });
    status = QApplication::exec();
  }
  program.ExitInstance();
  return status;
}

}  // namespace nuvaro::ui
