#include "companion_main.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "page_browser_window.h"
#include "platform/qt/qt_message_sink.h"
#include "platform/qt/single_instance.h"

namespace nuvaro::companions {

int RunCompanion(int argc, char** argv, const CompanionDescription& description) {
  QApplication app(argc, argv);
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexts);

  platform::SingleInstance instance(description.key);
  if (instance.AnotherCopyRuns()) return 0;

  platform::QtMessageSink messages;
  platform::SetMessageSink(&messages);
  PageBrowserWindow window(description.title, description.resourceFolder);
  QObject::connect(&instance, &platform::SingleInstance::raiseRequested, &window, &PageBrowserWindow::BringToFront);
  instance.Listen();
  window.show();
  const int status = QApplication::exec();
  platform::SetMessageSink(nullptr);
  return status;
}

}  // namespace nuvaro::companions
