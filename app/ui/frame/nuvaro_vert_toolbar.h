// CNuvaroVertToolbar: the board's vertical bar of eight hover buttons. The frame
// decides who handles each command; the bar only reports which button was pressed.
#pragma once

#include <QWidget>

#include <vector>

namespace nuvaro::ui {

class CHoverButton;

struct BoardToolbarButton {
  int commandNumber;
  const char* caption;  // UTF-8
};

// The buttons from top to bottom.
const std::vector<BoardToolbarButton>& BoardToolbarButtons();

class CNuvaroVertToolbar : public QWidget {
  Q_OBJECT

 public:
  explicit CNuvaroVertToolbar(QWidget* parent = nullptr);

  // The button of a command, or nullptr.
  CHoverButton* Button(int commandNumber) const;
  const std::vector<CHoverButton*>& Buttons() const { return buttons_; }
  // The percentage button ("愛情度" until a reading names it).
  void SetPercentageCaption(const QString& caption);

 signals:
  void command(int commandNumber);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<CHoverButton*> buttons_;
};

}  // namespace nuvaro::ui
