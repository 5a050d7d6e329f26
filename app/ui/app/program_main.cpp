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

QString CommandLineWish(const QStringList& arguments) {
  return arguments.contains(QLatin1String(kNameFinderOption)) ? QString::fromLatin1(kNameFinderWish) : QString();
}

int RunProgram() {
  const QString wish = CommandLineWish(QApplication::arguments());
  platform::SingleInstance instance(ProgramInstanceKey());
  // The running copy has been handed the wish; this one has nothing to do.
  if (instance.AnotherCopyRuns(wish)) return 0;
  if (!instance.Listen() && instance.AnotherCopyRuns(wish)) return 0;
  CSDIWinApp program;
  int status = kStartupFailedStatus;
  if (program.InitInstance()) {
    QObject::connect(&instance, &platform::SingleInstance::raiseRequested, [&program] {
      BringToFront(program.MainFrame());
    });
    QObject::connect(&instance, &platform::SingleInstance::wishReceived,
                     [&program](const QString& later) { program.FulfilWish(later); });
    if (!wish.isEmpty()) program.FulfilWish(wish);
    status = QApplication::exec();
  }
  program.ExitInstance();
  return status;
}

}  // namespace nuvaro::ui
