// The version dialog: the program's title and version, and a link to the product's
// web page that opens in the browser.
#pragma once

#include <QDialog>

class QLabel;

namespace nuvaro::ui {

class CLinkLabel;

// The address the version dialog's link opens.
inline constexpr char kProductPageAddress[] = "https://nuvaro.example.jp/";

// "バージョン 1.0.0": the program's version as the dialog shows it.
QString ProgramVersionText();

class CVersionDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CVersionDialog(QWidget* parent = nullptr);

  QString TitleText() const;
  QString VersionText() const;
  CLinkLabel* Link() const { return link_; }

 private:
  QLabel* title_;
  QLabel* version_;
  CLinkLabel* link_;
};

// Shows the dialog modally over the parent.
void RunVersionDialog(QWidget* parent);

}  // namespace nuvaro::ui
