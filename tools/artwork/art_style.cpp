#include "art_style.h"

#include <QtMath>

#include <cmath>

namespace nuvaro::artgen {

QImage TransparentImage(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

void BeginSmooth(QPainter& painter, QImage& image) {
  painter.begin(&image);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

void FillOutlined(QPainter& painter, const QPainterPath& path, const QBrush& fill, qreal outlineWidth) {
  painter.save();
  painter.setBrush(fill);
  QPen pen(kOutline, outlineWidth);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  painter.setPen(outlineWidth > 0 ? pen : QPen(Qt::NoPen));
  painter.drawPath(path);
  painter.restore();
}

QPainterPath EllipsePath(QPointF centre, qreal rx, qreal ry) {
  QPainterPath path;
  path.addEllipse(centre, rx, ry);
  return path;
}

QColor Shade(const QColor& colour, int percent) {
  return percent >= 100 ? colour.lighter(percent) : colour.darker(10000 / percent);
}

QPainterPath HeartPath(QPointF centre, qreal size) {
  const qreal s = size / 2;
  QPainterPath path;
  path.moveTo(centre.x(), centre.y() + s);
  path.cubicTo(centre.x() - s * 2.0, centre.y() - s * 0.1, centre.x() - s * 0.9, centre.y() - s * 1.6, centre.x(), centre.y() - s * 0.55);
  path.cubicTo(centre.x() + s * 0.9, centre.y() - s * 1.6, centre.x() + s * 2.0, centre.y() - s * 0.1, centre.x(), centre.y() + s);
  path.closeSubpath();
  return path;
}

QPainterPath StarPath(QPointF centre, qreal outer, qreal inner, int points) {
  QPainterPath path;
  for (int i = 0; i < points * 2; ++i) {
    const qreal angle = M_PI * i / points - M_PI / 2;
    const qreal radius = (i % 2 == 0) ? outer : inner;
    const QPointF p(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
    if (i == 0)
      path.moveTo(p);
    else
      path.lineTo(p);
  }
  path.closeSubpath();
  return path;
}

}  // namespace nuvaro::artgen
