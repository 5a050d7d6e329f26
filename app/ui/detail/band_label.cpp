#include "ui/detail/band_label.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace nuvaro::ui {
namespace {

constexpr qreal kCornerRadius = 6.0;
constexpr int kTextIndent = 14;

}  // namespace

CBandLabel::CBandLabel(const QColor& from, const QColor& to, QWidget* parent)
    : QLabel(parent), from_(from), to_(to) {
  setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
  setIndent(kTextIndent);
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, Qt::white);
  setPalette(colours);
}

void CBandLabel::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(rect().topLeft(), rect().topRight());
    gradient.setColorAt(0.0, from_);
    gradient.setColorAt(1.0, to_);
    QPainterPath band;
    band.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius, kCornerRadius);
    painter.fillPath(band, gradient);
    // A faint darker line at the bottom gives the band some depth.
    painter.setPen(QPen(from_.darker(115), 1.0));
    painter.drawLine(QPointF(kCornerRadius, height() - 0.5), QPointF(width() - kCornerRadius, height() - 0.5));
  }
  QLabel::paintEvent(event);
}

}  // namespace nuvaro::ui
