// CNuvaroMenuToolbar: the bar over the board while a reading is active. Its two text
// lines name the reading (the plug-in's menu texts) and its "戻る" button returns to
// the guide menu.
#pragma once

#include <QWidget>

class QLabel;

namespace nuvaro::ui {

class CHoverButton;

class CNuvaroMenuToolbar : public QWidget {
  Q_OBJECT

 public:
  explicit CNuvaroMenuToolbar(QWidget* parent = nullptr);

  void SetUpperText(const QString& text);
  void SetLowerText(const QString& text);
  QString UpperText() const;
  QString LowerText() const;
  CHoverButton* BackButton() const { return back_; }

 signals:
  void command(int commandNumber);  // 36879

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLabel* upper_;
  QLabel* lower_;
  CHoverButton* back_;
};

}  // namespace nuvaro::ui
