#include "platform/qt/qt_message_sink.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>

#include "platform/qt/text_conversion.h"

namespace nuvaro::platform {
namespace {

QWidget* ParentWidget(void* parent) {
  if (parent != nullptr) return static_cast<QWidget*>(parent);
  return QApplication::activeWindow();
}

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Error:
      return QMessageBox::Critical;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

int QtMessageSink::ShowMessage(const MessageRequest& request) {
  QMessageBox box(ParentWidget(request.parent));
  box.setIcon(ToQtIcon(request.icon));
  box.setWindowTitle(request.caption.empty() ? QApplication::applicationDisplayName()
                                             : QStringFromCp932(request.caption));
  box.setText(QString::fromStdString(MessageTextUtf8(request)));
  switch (request.buttons) {
    case MessageButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MessageButtons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
    case MessageButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case MessageButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes:
      return kIdYes;
    case QMessageBox::No:
      return kIdNo;
    case QMessageBox::Cancel:
      return kIdCancel;
    default:
      break;
  }
  // Closing a box with only "OK" counts as OK; with Cancel present, Escape gave Cancel.
  return kIdOk;
}

void QtMessageSink::ShowEmptyDialog(const EmptyDialogRequest& request) {
  QDialog dialog(ParentWidget(request.parent));
  dialog.setWindowTitle(QStringFromCp932(request.caption));
  // Dialog units: a quarter of the average character width, an eighth of its height.
  QFontMetrics metrics(dialog.font());
  int unitX = metrics.averageCharWidth();
  int unitY = metrics.height();
  dialog.resize(request.widthDialogUnits * unitX / 4, request.heightDialogUnits * unitY / 8);
  dialog.exec();
}

}  // namespace nuvaro::platform
