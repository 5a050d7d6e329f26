// Nuvaro: the program's entry point.
#include <QApplication>
#include <QMainWindow>

#include "platform/qt/qt_message_sink.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Nuvaro");
  QApplication::setApplicationDisplayName(QString::fromUtf8("ヌヴァロ君"));
  nuvaro::platform::QtMessageSink sink;
  nuvaro::platform::SetMessageSink(&sink);
  QMainWindow window;
  window.setWindowTitle(QString::fromUtf8("ガイドメニュー"));
  window.resize(800, 600);
  window.show();
  int status = QApplication::exec();
  nuvaro::platform::SetMessageSink(nullptr);
  return status;
}
