#include "ui/controls/tip_window.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace nuvaro::ui {
namespace {

// The tip stands this far below the mouse, clear of the pointer's arrow.
constexpr int kBelowPointer = 20;

}  // namespace

CTipWindow::CTipWindow(QWidget* owner, TipTiming timing)
    : QLabel(owner, Qt::ToolTip | Qt::FramelessWindowHint), timing_(timing) {
  setForegroundRole(QPalette::ToolTipText);
  setBackgroundRole(QPalette::ToolTipBase);
  setAutoFillBackground(true);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  setMargin(timing_.margin);
  setWordWrap(true);
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setFont(QGuiApplication::font());
  showTimer_.setSingleShot(true);
  hideTimer_.setSingleShot(true);
  connect(&showTimer_, &QTimer::timeout, this, &CTipWindow::ShowNow);
  connect(&hideTimer_, &QTimer::timeout, this, &QWidget::hide);
}

void CTipWindow::SetTipText(const QString& text) {
  setText(text);
  if (text.isEmpty()) Disarm();
}

void CTipWindow::Arm(const QPoint& globalPos) {
  if (text().isEmpty() || shownSinceArmed_) return;
  anchor_ = globalPos;
  showTimer_.start(timing_.showDelayMs);
}

void CTipWindow::Disarm() {
  showTimer_.stop();
  hideTimer_.stop();
  shownSinceArmed_ = false;
  hide();
}

QSize CTipWindow::ComputeSize() const {
  const int chrome = 2 * (timing_.margin + frameWidth());
  const int textWidthLimit = std::max(1, timing_.maxWidth - chrome);
  QFontMetrics metrics(font());
  QRect bounds = metrics.boundingRect(QRect(0, 0, textWidthLimit, 100000), Qt::TextWordWrap | Qt::AlignLeft, text());
  return QSize(std::min(bounds.width(), textWidthLimit) + chrome, bounds.height() + chrome);
}

void CTipWindow::ShowNow() {
  QSize size = ComputeSize();
  QPoint position = anchor_ + QPoint(0, kBelowPointer);
  if (QScreen* screen = QGuiApplication::screenAt(anchor_)) {
    QRect area = screen->availableGeometry();
    position.setX(std::clamp(position.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())));
    if (position.y() + size.height() > area.bottom() + 1) position.setY(anchor_.y() - size.height() - 4);
    position.setY(std::max(position.y(), area.top()));
  }
  setGeometry(QRect(position, size));
  shownSinceArmed_ = true;
  show();
  hideTimer_.start(timing_.keepMs);
}

}  // namespace nuvaro::ui
