#include "picture_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <QtMath>

#include "art_style.h"
#include "pixel_art.h"

namespace nuvaro::artgen {
namespace {

// Deterministic pseudo-random numbers, so that the generator always draws the same.
class Dice {
 public:
  explicit Dice(unsigned seed) : state_(seed) {}
  qreal Next() {
    state_ = state_ * 1103515245u + 12345u;
    return ((state_ >> 8) & 0xFFFF) / 65535.0;
  }
  qreal Between(qreal low, qreal high) { return low + (high - low) * Next(); }

 private:
  unsigned state_;
};

void DrawBin(QPainter& p, bool full) {
  const QColor body(142, 188, 228), bodyDark(104, 150, 198), lid(120, 170, 218);
  // Papers behind the lid when full.
  if (full) {
    QPainterPath sheet;
    sheet.moveTo(17, 20);
    sheet.lineTo(21, 4);
    sheet.lineTo(33, 7);
    sheet.lineTo(30, 21);
    sheet.closeSubpath();
    FillOutlined(p, sheet, QColor(255, 255, 250), 1.3);
    p.setPen(QPen(QColor(170, 190, 220), 1));
    p.drawLine(QPointF(22, 9), QPointF(30, 11));
    p.drawLine(QPointF(21, 12), QPointF(29, 14));
    FillOutlined(p, EllipsePath({37, 16}, 7, 6), QColor(255, 246, 214), 1.3);
    p.setPen(QPen(QColor(210, 190, 140), 0.9));
    p.drawArc(QRectF(33, 12, 7, 6), 30 * 16, 200 * 16);
    FillOutlined(p, EllipsePath({25, 18}, 6, 5), QColor(250, 226, 236), 1.3);
  }
  // Body: a tapering can with soft ribs.
  QPainterPath can;
  can.moveTo(11, 22);
  can.lineTo(47, 22);
  can.lineTo(43.5, 53);
  can.quadTo(43, 56, 40, 56);
  can.lineTo(18, 56);
  can.quadTo(15, 56, 14.5, 53);
  can.closeSubpath();
  QLinearGradient shade(11, 0, 47, 0);
  shade.setColorAt(0, body.lighter(112));
  shade.setColorAt(0.55, body);
  shade.setColorAt(1, bodyDark);
  FillOutlined(p, can, shade, 1.6);
  p.setPen(QPen(bodyDark, 1.6, Qt::SolidLine, Qt::RoundCap));
  for (int i = 1; i <= 3; ++i) {
    const qreal x = 11 + 36.0 * i / 4;
    p.drawLine(QPointF(x + (x < 29 ? 1.2 : -1.2) * 0.6, 27), QPointF(29 + (x - 29) * 0.86, 51));
  }
  // Lid, lifted and tilted when full.
  p.save();
  if (full) {
    p.translate(9, 22);
    p.rotate(-14);
    p.translate(-9, -22);
  }
  QPainterPath cover;
  cover.addRoundedRect(QRectF(8, 16, 42, 7), 3, 3);
  FillOutlined(p, cover, lid, 1.6);
  QPainterPath handle;
  handle.addRoundedRect(QRectF(23, 11.5, 12, 5.5), 2.5, 2.5);
  FillOutlined(p, handle, lid.darker(110), 1.4);
  p.restore();
}

QPainterPath HandShape() {
  QPainterPath hand;
  hand.addRoundedRect(QRectF(8, 1, 6, 18), 3, 3);     // index finger
  hand.addRoundedRect(QRectF(13.2, 9, 5.2, 10), 2.6, 2.6);
  hand.addRoundedRect(QRectF(17.8, 10, 5, 10), 2.5, 2.5);
  hand.addRoundedRect(QRectF(22.2, 11.5, 4.6, 9), 2.3, 2.3);
  hand.addRoundedRect(QRectF(8, 14, 18.8, 12), 4, 4);  // palm
  QPainterPath wrist;
  wrist.moveTo(10, 24);
  wrist.lineTo(26, 24);
  wrist.lineTo(24, 30);
  wrist.lineTo(12, 30);
  wrist.closeSubpath();
  hand.addPath(wrist);
  QPainterPath thumb;
  thumb.addRoundedRect(QRectF(-2.5, -6, 5, 12), 2.5, 2.5);
  hand.addPath(QTransform().translate(6.2, 19.5).rotate(-40).map(thumb));
  hand.setFillRule(Qt::WindingFill);
  return hand.simplified();
}

}  // namespace

QImage DrawTrashBoxStrip() {
  QImage image = TransparentImage(116, 58);
  QPainter p;
  BeginSmooth(p, image);
  DrawBin(p, false);
  p.translate(58, 0);
  DrawBin(p, true);
  p.end();
  return image;
}

QImage DrawGuideEntryPicture() {
  QImage image = TransparentImage(32, 32);
  QPainter p;
  BeginSmooth(p, image);
  // Stand.
  QPainterPath stand;
  stand.moveTo(8, 30.5);
  stand.lineTo(24, 30.5);
  stand.lineTo(21, 23);
  stand.lineTo(11, 23);
  stand.closeSubpath();
  QLinearGradient gold(0, 23, 0, 31);
  gold.setColorAt(0, QColor(255, 214, 110));
  gold.setColorAt(1, QColor(216, 150, 50));
  FillOutlined(p, stand, gold, 1.2);
  // Ball.
  QRadialGradient glass(QPointF(13, 9), 14);
  glass.setColorAt(0, QColor(250, 240, 255));
  glass.setColorAt(0.5, QColor(200, 170, 250));
  glass.setColorAt(1, QColor(140, 100, 214));
  FillOutlined(p, EllipsePath({16, 13.5}, 11, 11), glass, 1.4);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 220));
  p.drawEllipse(QPointF(12, 9), 3.2, 2.2);
  FillOutlined(p, HeartPath({19, 15.5}, 7), QColor(255, 110, 150), 1.0);
  FillOutlined(p, StarPath({27.5, 4.5}, 4.2, 1.3, 4), QColor(255, 226, 90), 0.9);
  p.end();
  return image;
}

QImage DrawHandCursor() {
  QImage image = TransparentImage(32, 32);
  QPainter p;
  BeginSmooth(p, image);
  const QPainterPath hand = HandShape();
  p.setPen(QPen(Qt::black, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::white);
  p.drawPath(hand);
  p.setPen(QPen(QColor(120, 120, 120), 1.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(13.6, 15), QPointF(13.6, 18.5));
  p.drawLine(QPointF(18.1, 16), QPointF(18.1, 19.5));
  p.drawLine(QPointF(22.5, 17), QPointF(22.5, 20));
  // Cuff.
  p.setPen(QPen(Qt::black, 1.2));
  p.setBrush(QColor(190, 160, 240));
  p.drawRoundedRect(QRectF(11.5, 26.5, 13, 4.5), 1.5, 1.5);
  p.end();
  return image;
}

QPoint HandCursorHotSpot() { return {10, 1}; }

QImage DrawCalendarColourSample() {
  // Default colours of the calendar, as RGB.
  const QColor background(255, 255, 255), frame(214, 214, 214), holidayBack(255, 0, 24), holidayText(255, 255, 255),
      weekBack(255, 227, 0), weekText(0, 0, 128), rokuyou(0, 0, 128), oldCalendar(0, 0, 128), holidayDate(255, 0, 30),
      weekDate(0, 0, 128), data(0, 0, 0), today(255, 255, 204);
  const int width = 229, height = 170;
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(background);
  QPainter p;
  BeginSmooth(p, image);
  p.setRenderHint(QPainter::Antialiasing, false);

  const int columns = 3, rows = 2;
  const int w = (width - 5) / columns, h = (height - 5 - 15) / rows;
  const char* const weekdays[columns] = {"日", "月", "火"};
  QFont gothic(QStringLiteral("IPAGothic"));
  gothic.setBold(true);
  QFont serif(QStringLiteral("Liberation Serif"));
  serif.setBold(true);

  // Cells and lines.
  p.fillRect(QRect(2 * w, 15 + h, w, h), today);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) {
      const int left = c * w, right = (c + 1) * w, top = 15 + r * h, bottom = 15 + (r + 1) * h;
      p.setPen(QPen(frame, 2));
      p.drawLine(left + 3, bottom, right, bottom);
      p.setPen(QPen(frame, 1));
      p.drawLine(right, top + 3, right, bottom);
    }
  // Weekday header.
  for (int c = 0; c < columns; ++c) {
    const QRect box(c * w + 2, 3, w - 4, 12);
    p.fillRect(box, c == 0 ? holidayBack : weekBack);
    gothic.setPixelSize(box.height() - 2);
    p.setFont(gothic);
    p.setPen(c == 0 ? holidayText : weekText);
    p.drawText(box, Qt::AlignCenter, QString::fromUtf8(weekdays[c]));
  }
  // Days.
  struct Day {
    int number;
    const char* holiday;
    const char* rokuyouName;
    const char* old;
    const char* reading;
    int face;
  };
  const Day days[rows * columns] = {
      {8, "", "先勝", "12/9", "目標を明確にして、理想を忘れなければ", 204},
      {9, "成人の日", "友引", "12/10", "周囲と仲良くして、人を大切にすれば", 201},
      {10, "", "先負", "12/11", "まじめに、コツコツと努力すれば", 202},
      {15, "", "赤口", "12/16", "直感を信じて、変化を恐れなければ", 203},
      {16, "", "先勝", "12/17", "明るい気分で、物事にこだわらなければ", 202},
      {17, "", "友引", "12/18", "よく気配りして、頭を使えば", 200},
  };
  p.setRenderHint(QPainter::Antialiasing, true);
  for (int i = 0; i < rows * columns; ++i) {
    const Day& day = days[i];
    const int c = i % columns, r = i / columns;
    const int L = c * w, T = 15 + r * h, R = (c + 1) * w, B = 15 + (r + 1) * h, W = R - L, H = B - T;
    const bool holiday = day.holiday[0] != '\0' || c == 0;
    const QRect numberBox(L, T, W / 4 + 4, H / 4);
    serif.setPixelSize(numberBox.height() - 4);
    p.setFont(serif);
    p.setPen(holiday ? holidayDate : weekDate);
    p.drawText(numberBox, Qt::AlignCenter, QString::number(day.number));
    gothic.setPixelSize(8);
    p.setFont(gothic);
    if (day.holiday[0] != '\0') {
      p.setPen(holidayDate);
      p.drawText(QRect(L + W / 4 + 4, T + 1, W, 9), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(day.holiday));
    }
    p.setPen(rokuyou);
    p.drawText(QRect(L + W / 4 + 4, T + H / 8 + 1, W, 9), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(day.rokuyouName));
    p.setPen(oldCalendar);
    p.drawText(QRect(L, T + H / 4 + 1, W - 3, 9), Qt::AlignRight | Qt::AlignVCenter, QString::fromUtf8(day.old));
    QFont plain(QStringLiteral("IPAGothic"));
    plain.setPixelSize(8);
    p.setFont(plain);
    p.setPen(data);
    p.drawText(QRect(L + W / 16, T + H / 4 + H / 8 + H / 16, W - W / 16 - 2, H - (H / 4 + H / 8 + H / 16) - 2),
               Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, QString::fromUtf8(day.reading));
    p.drawImage(R - 18, T + 2, DrawDayFace(day.face));
  }
  // Etched edge around the whole sample.
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QColor(160, 160, 160));
  p.setBrush(Qt::NoBrush);
  p.drawRect(0, 0, width - 2, height - 2);
  p.setPen(Qt::white);
  p.drawRect(1, 1, width - 2, height - 2);
  p.end();
  return image;
}

QImage DrawItemBackground(int item) {
  struct Theme {
    QColor base, accent;
    int motif;  // 0 heart, 1 star, 2 clover, 3 sun, 4 moon
  };
  const Theme themes[5] = {
      {QColor(255, 238, 246), QColor(255, 105, 180), 0}, {QColor(236, 245, 255), QColor(96, 150, 230), 1},
      {QColor(238, 251, 240), QColor(84, 180, 120), 2},  {QColor(255, 245, 230), QColor(244, 150, 60), 3},
      {QColor(245, 239, 255), QColor(150, 110, 220), 4},
  };
  const Theme& theme = themes[std::clamp(item, 1, 5) - 1];
  const int width = kItemBackgroundWidth, height = kItemBackgroundHeight;
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(theme.base);
  QPainter p;
  BeginSmooth(p, image);

  auto motif = [&](QPointF at, qreal size, qreal angle, const QColor& colour) {
    p.save();
    p.translate(at);
    p.rotate(angle);
    QPainterPath path;
    switch (theme.motif) {
      case 0: path = HeartPath({0, 0}, size); break;
      case 1: path = StarPath({0, 0}, size * 0.6, size * 0.26, 5); break;
      case 2:
        for (int i = 0; i < 4; ++i) path.addEllipse(QPointF(size * 0.24 * std::cos(i * M_PI / 2), size * 0.24 * std::sin(i * M_PI / 2)), size * 0.26, size * 0.26);
        path.setFillRule(Qt::WindingFill);
        path = path.simplified();
        break;
      case 3:
        path.addEllipse(QPointF(0, 0), size * 0.3, size * 0.3);
        for (int i = 0; i < 8; ++i) {
          QPainterPath ray;
          ray.addEllipse(QPointF(size * 0.45, 0), size * 0.11, size * 0.06);
          path.addPath(QTransform().rotate(i * 45).map(ray));
        }
        break;
      default: {
        QPainterPath outer, inner;
        outer.addEllipse(QPointF(0, 0), size * 0.45, size * 0.45);
        inner.addEllipse(QPointF(size * 0.2, -size * 0.12), size * 0.38, size * 0.38);
        path = outer.subtracted(inner);
        break;
      }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
    p.restore();
  };

  // Motifs scattered over the border band.
  Dice dice(1000u + static_cast<unsigned>(item));
  const int band = 44;
  for (int i = 0; i < 170; ++i) {
    QPointF at(dice.Between(0, width), dice.Between(0, height));
    if (at.x() > band && at.x() < width - band && at.y() > band && at.y() < height - band) continue;
    QColor colour = theme.accent;
    colour.setAlpha(static_cast<int>(dice.Between(50, 130)));
    motif(at, dice.Between(10, 26), dice.Between(-30, 30), colour);
  }
  // Calm panel in the middle for the texts.
  const QRectF panel(band - 14, band - 14, width - 2 * (band - 14), height - 2 * (band - 14));
  p.setPen(QPen(theme.accent, 2));
  p.setBrush(QColor(255, 255, 255, 232));
  p.drawRoundedRect(panel, 14, 14);
  QColor dash = theme.accent;
  dash.setAlpha(140);
  p.setPen(QPen(dash, 1, Qt::DashLine));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(panel.adjusted(5, 5, -5, -5), 10, 10);
  // One larger motif in each corner of the panel.
  QColor corner = theme.accent;
  corner.setAlpha(200);
  motif(panel.topLeft() + QPointF(2, 2), 30, -12, corner);
  motif(panel.topRight() + QPointF(-2, 2), 30, 12, corner);
  motif(panel.bottomLeft() + QPointF(2, -2), 30, 12, corner);
  motif(panel.bottomRight() + QPointF(-2, -2), 30, -12, corner);
  p.end();
  return image;
}

QImage DrawItemArrow(bool up) {
  QImage image = TransparentImage(24, 24);
  QPainter p;
  BeginSmooth(p, image);
  QRadialGradient ball(QPointF(9, 8), 16);
  ball.setColorAt(0, QColor(255, 170, 210));
  ball.setColorAt(1, QColor(199, 21, 133));
  p.setPen(QPen(QColor(150, 20, 100), 1.2));
  p.setBrush(ball);
  p.drawEllipse(QPointF(12, 12), 10.5, 10.5);
  QPainterPath chevron;
  const qreal dir = up ? -1 : 1;
  chevron.moveTo(6.5, 12 - dir * 2.5);
  chevron.lineTo(12, 12 + dir * 3.5);
  chevron.lineTo(17.5, 12 - dir * 2.5);
  p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(chevron);
  p.end();
  return image;
}

QImage DrawChartRowImages() {
  QImage image = TransparentImage(44, 22);
  QPainter p;
  BeginSmooth(p, image);
  const QColor colours[2] = {QColor(102, 102, 255), QColor(255, 102, 153)};
  for (int i = 0; i < 2; ++i) {
    p.save();
    p.translate(i * 22, 0);
    QPainterPath body;
    body.moveTo(3, 21);
    body.cubicTo(3, 15, 7, 13, 11, 13);
    body.cubicTo(15, 13, 19, 15, 19, 21);
    body.closeSubpath();
    FillOutlined(p, body, colours[i], 1.2);
    if (i == 1) FillOutlined(p, EllipsePath({11, 5}, 6.5, 5.5), colours[i].darker(130), 1.1);
    FillOutlined(p, EllipsePath({11, 7.5}, 4.8, 5), QColor(255, 226, 200), 1.2);
    p.restore();
  }
  p.end();
  return image;
}

QImage DrawApplicationIcon(int size) {
  QImage image = TransparentImage(size, size);
  QPainter p;
  BeginSmooth(p, image);
  p.scale(size / 64.0, size / 64.0);
  const bool tiny = size < 32;
  // Rounded square in lavender and pink.
  QLinearGradient back(0, 0, 64, 64);
  back.setColorAt(0, QColor(176, 140, 236));
  back.setColorAt(1, QColor(255, 140, 186));
  p.setPen(tiny ? Qt::NoPen : QPen(QColor(120, 80, 170), 1.5));
  p.setBrush(back);
  p.drawRoundedRect(QRectF(2, 2, 60, 60), 14, 14);
  // Speech balloon with a heart.
  QPainterPath balloon;
  balloon.addEllipse(QRectF(tiny ? 28 : 30, 6, tiny ? 32 : 28, tiny ? 24 : 21));
  QPainterPath tail;
  tail.moveTo(36, 22);
  tail.lineTo(31, 33);
  tail.lineTo(42, 25);
  tail.closeSubpath();
  balloon = balloon.united(tail);
  p.setPen(QPen(kOutline, tiny ? 2.5 : 1.8));
  p.setBrush(Qt::white);
  p.drawPath(balloon);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(240, 70, 110));
  p.drawPath(HeartPath(QPointF(tiny ? 44 : 44, 16.5), tiny ? 13 : 11));
  // A smiling face.
  const QPointF c(24, 40);
  const qreal r = 18;
  p.setPen(QPen(kOutline, tiny ? 2.8 : 2));
  p.setBrush(QColor(255, 222, 190));
  p.drawEllipse(c, r, r);
  // Hair cap.
  QPainterPath hair;
  hair.moveTo(c.x() - r, c.y());
  hair.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 180, -180);
  hair.cubicTo(c.x() + 8, c.y() - 10, c.x() - 2, c.y() - 12, c.x() - 6, c.y() - 9);
  hair.cubicTo(c.x() - 10, c.y() - 8, c.x() - 14, c.y() - 6, c.x() - r, c.y());
  hair.closeSubpath();
  p.setBrush(QColor(104, 70, 50));
  p.drawPath(hair);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 40, 36));
  p.drawEllipse(QPointF(c.x() - 7, c.y() + 2), 2.6, 3.4);
  p.drawEllipse(QPointF(c.x() + 7, c.y() + 2), 2.6, 3.4);
  if (!tiny) {
    p.setBrush(QColor(255, 150, 150, 140));
    p.drawEllipse(QPointF(c.x() - 11, c.y() + 8), 3.5, 2.2);
    p.drawEllipse(QPointF(c.x() + 11, c.y() + 8), 3.5, 2.2);
  }
  QPainterPath smile;
  smile.moveTo(c.x() - 6, c.y() + 9);
  smile.quadTo(c.x(), c.y() + 14, c.x() + 6, c.y() + 9);
  p.setPen(QPen(QColor(160, 60, 60), tiny ? 2.6 : 2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(smile);
  p.end();
  return image;
}

}  // namespace nuvaro::artgen
