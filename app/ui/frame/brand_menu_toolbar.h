// CBrandMenuToolbar: the bar along the top of the guide menu, with the program's name
// and the hover buttons "閉じる" (close the program) and "情報" (the information menu).
#pragma once

#include <QWidget>

namespace nuvaro::ui {

class CHoverButton;

class CBrandMenuToolbar : public QWidget {
  Q_OBJECT

 public:
  explicit CBrandMenuToolbar(QWidget* parent = nullptr);

  CHoverButton* CloseButton() const { return close_; }
  CHoverButton* InformationButton() const { return information_; }

 signals:
  // A button was pressed: its command number (1009 or 1010).
  void command(int commandNumber);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  CHoverButton* close_;
  CHoverButton* information_;
};

}  // namespace nuvaro::ui
