#include "button_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "art_style.h"

namespace nuvaro::artgen {
namespace {

struct FrameLook {
  QColor top, bottom, border, glyph;
  qreal borderWidth = 1.2;
  bool sunken = false;
};

FrameLook LookOfFrame(int frame) {
  switch (frame) {
    case 1:  // pressed
      return {QColor(240, 188, 206), QColor(255, 228, 236), QColor(176, 72, 116), kNavy, 1.4, true};
    case 2:  // hover and focus
      return {QColor(255, 252, 226), QColor(255, 222, 160), QColor(232, 140, 50), kNavy, 1.6, false};
    case 3:  // disabled
      return {QColor(244, 242, 244), QColor(222, 220, 224), QColor(170, 166, 172), QColor(160, 156, 164), 1.2, false};
    case 4:  // emphasised
      return {QColor(250, 244, 255), QColor(222, 204, 250), QColor(132, 92, 200), kNavy, 1.6, false};
    default:  // normal
      return {QColor(255, 253, 250), QColor(255, 224, 232), QColor(210, 116, 150), kNavy, 1.2, false};
  }
}

void DrawGlyph(QPainter& p, const QRectF& box, ButtonGlyph glyph, const QColor& colour) {
  const QPointF c = box.center();
  const qreal s = std::min(box.width(), box.height()) * 0.26;
  QPainterPath path;
  switch (glyph) {
    case ButtonGlyph::None:
      return;
    case ButtonGlyph::ThisMonth:
      path.addEllipse(c, s * 0.72, s * 0.72);
      p.setPen(QPen(colour, 1.4));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(c, s * 1.25, s * 1.25);
      break;
    case ButtonGlyph::NextMonth:
      path.moveTo(c.x() + s * 0.95, c.y());
      path.lineTo(c.x() - s * 0.6, c.y() - s);
      path.lineTo(c.x() - s * 0.6, c.y() + s);
      path.closeSubpath();
      break;
    case ButtonGlyph::PreviousMonth:
      path.moveTo(c.x() - s * 0.95, c.y());
      path.lineTo(c.x() + s * 0.6, c.y() - s);
      path.lineTo(c.x() + s * 0.6, c.y() + s);
      path.closeSubpath();
      break;
  }
  p.setPen(QPen(colour, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(colour);
  p.drawPath(path);
}

void DrawButtonFace(QPainter& p, const QRectF& cell, int frame, qreal radius) {
  const FrameLook look = LookOfFrame(frame);
  const QRectF body = cell.adjusted(0.75, 0.75, -0.75, -0.75);
  QLinearGradient fill(body.topLeft(), body.bottomLeft());
  fill.setColorAt(0, look.top);
  fill.setColorAt(1, look.bottom);
  p.setPen(QPen(look.border, look.borderWidth));
  p.setBrush(fill);
  p.drawRoundedRect(body, radius, radius);
  // A thin light line inside the top edge, or a shadow when pressed.
  p.setBrush(Qt::NoBrush);
  const QRectF inner = body.adjusted(1.5, 1.5, -1.5, -1.5);
  p.setPen(QPen(look.sunken ? QColor(0, 0, 0, 40) : QColor(255, 255, 255, 200), 1.0));
  QPainterPath highlight;
  highlight.moveTo(inner.left() + radius, inner.top() + (look.sunken ? 0.5 : 0));
  highlight.lineTo(inner.right() - radius, inner.top() + (look.sunken ? 0.5 : 0));
  p.drawPath(highlight);
}

}  // namespace

QImage DrawButtonStrip(QSize frameSize, int frames, ButtonGlyph glyph) {
  QImage image = TransparentImage(frameSize.width() * frames, frameSize.height());
  QPainter p;
  BeginSmooth(p, image);
  for (int frame = 0; frame < frames; ++frame) {
    const QRectF cell(frame * frameSize.width(), 0, frameSize.width(), frameSize.height());
    DrawButtonFace(p, cell, frame, std::min(6.0, frameSize.height() / 3.0));
    const qreal shift = LookOfFrame(frame).sunken ? 1 : 0;
    DrawGlyph(p, cell.translated(shift, shift), glyph, LookOfFrame(frame).glyph);
  }
  p.end();
  return image;
}

QImage DrawNamePlateStrip() {
  const int width = 100, height = 20, frames = 3;
  QImage image = TransparentImage(width * frames, height);
  QPainter p;
  BeginSmooth(p, image);
  const QColor tops[frames] = {QColor(255, 252, 240), QColor(238, 222, 196), QColor(255, 252, 222)};
  const QColor bottoms[frames] = {QColor(246, 228, 196), QColor(252, 240, 220), QColor(255, 220, 150)};
  const QColor borders[frames] = {QColor(168, 120, 76), QColor(128, 86, 52), QColor(226, 136, 48)};
  for (int frame = 0; frame < frames; ++frame) {
    const QRectF body(frame * width + 0.75, 0.75, width - 1.5, height - 1.5);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, tops[frame]);
    fill.setColorAt(1, bottoms[frame]);
    p.setPen(QPen(borders[frame], frame == 2 ? 1.6 : 1.2));
    p.setBrush(fill);
    p.drawRoundedRect(body, 8, 8);
    // Two small rivets, as on a door plate.
    p.setPen(Qt::NoPen);
    p.setBrush(borders[frame].lighter(130));
    p.drawEllipse(QPointF(frame * width + 6.5, height / 2.0), 1.6, 1.6);
    p.drawEllipse(QPointF(frame * width + width - 6.5, height / 2.0), 1.6, 1.6);
  }
  p.end();
  return image;
}

}  // namespace nuvaro::artgen
