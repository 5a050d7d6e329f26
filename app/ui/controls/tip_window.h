// CTipWindow: the tooltip of a control. It appears when the mouse has rested on its
// owner for a while, stays for a fixed time, keeps margins around its text and wraps
// the text so that the window is never wider than its maximum width.
#pragma once

#include <QLabel>
#include <QPoint>
#include <QTimer>

namespace nuvaro::ui {

struct TipTiming {
  int showDelayMs = 100;
  int keepMs = 20000;
  int maxWidth = 300;  // of the whole window
  int margin = 8;      // around the text, on every side
};

class CTipWindow : public QLabel {
  Q_OBJECT

 public:
  explicit CTipWindow(QWidget* owner, TipTiming timing = {});

  void SetTipText(const QString& text);
  QString TipText() const { return text(); }
  const TipTiming& Timing() const { return timing_; }

  // The mouse moved over the owner at a global position: (re)starts the wait unless
  // the tip has already been shown since the mouse came.
  void Arm(const QPoint& globalPos);
  // The mouse left or clicked: hides the tip and stops waiting.
  void Disarm();

 private:
  void ShowNow();
  QSize ComputeSize() const;

  TipTiming timing_;
  QTimer showTimer_;
  QTimer hideTimer_;
  QPoint anchor_;
  bool shownSinceArmed_ = false;
};

}  // namespace nuvaro::ui
