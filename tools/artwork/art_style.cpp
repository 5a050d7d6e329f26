#include "art_style.h"

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

}  // namespace nuvaro::artgen
