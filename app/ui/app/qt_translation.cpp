#include "ui/app/qt_translation.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace nuvaro::ui {

bool InstallQtJapaneseTranslation() {
  static QTranslator* installed = nullptr;
  if (installed != nullptr) return true;
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  // Dates and sizes in the file dialogs follow the same language.
  QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
  installed = translator;
  return true;
}

void SetApplicationNames() {
  QApplication::setApplicationName(QStringLiteral("Nuvaro"));
  QApplication::setDesktopFileName(QStringLiteral("nuvaro"));
}

}  // namespace nuvaro::ui
