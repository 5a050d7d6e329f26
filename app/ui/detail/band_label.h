// A label drawn as a coloured band: white bold text on a gradient from one colour to
// another, with rounded ends. The detail dialogs' title and item labels.
#pragma once

#include <QColor>
#include <QLabel>

namespace nuvaro::ui {

class CBandLabel : public QLabel {
 public:
  CBandLabel(const QColor& from, const QColor& to, QWidget* parent = nullptr);

  QColor FromColour() const { return from_; }
  QColor ToColour() const { return to_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor from_;
  QColor to_;
};

}  // namespace nuvaro::ui
