#include "face_art.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include "art_style.h"

namespace nuvaro::artgen {
namespace {

enum class Stage { Child, Young, Adult, Middle, Senior };

enum class HairStyle {
  None,
  GirlPigtails,
  LongStraight,
  Bob,
  ShortWaves,
  GreyBun,
  BoySpiky,
  SweptFringe,
  SidePart,
  ShortReceding,
  BaldSides,
};

enum class Outfit { Dress, Blouse, Sweater, Necklace, Cardigan, TShirt, Hoodie, SuitRedTie, SuitBlueTie, Vest };

// Everything that tells one group from another.
struct GroupLook {
  bool female = false;
  Stage stage = Stage::Young;
  HairStyle hair = HairStyle::None;
  QColor hairColour;
  QColor clothes;
  Outfit outfit = Outfit::TShirt;
  bool glasses = false;
  bool roundGlasses = false;
  bool moustache = false;
  QColor skin{255, 226, 200};
};

// Group numbers 1 to 10 (by sex and age band), 0 for the unnamed user.
GroupLook LookOfGroup(int group) {
  GroupLook look;
  switch (group) {
    case 1:  // women 31 to 40
      look = {true, Stage::Adult, HairStyle::Bob, QColor(78, 50, 42), QColor(172, 150, 226), Outfit::Blouse};
      break;
    case 2:  // girls up to 10
      look = {true, Stage::Child, HairStyle::GirlPigtails, QColor(104, 66, 42), QColor(255, 150, 176), Outfit::Dress};
      look.skin = QColor(255, 228, 206);
      break;
    case 3:  // women 11 to 30
      look = {true, Stage::Young, HairStyle::LongStraight, QColor(168, 104, 58), QColor(120, 206, 186), Outfit::Sweater};
      break;
    case 4:  // men over 50
      look = {false, Stage::Senior, HairStyle::BaldSides, QColor(214, 214, 220), QColor(110, 150, 96), Outfit::Vest};
      look.moustache = true;
      look.skin = QColor(250, 216, 186);
      break;
    case 5:  // women over 50
      look = {true, Stage::Senior, HairStyle::GreyBun, QColor(206, 206, 218), QColor(160, 110, 170), Outfit::Cardigan};
      look.glasses = true;
      look.roundGlasses = true;
      break;
    case 6:  // boys up to 10
      look = {false, Stage::Child, HairStyle::BoySpiky, QColor(56, 44, 44), QColor(255, 204, 64), Outfit::TShirt};
      look.skin = QColor(255, 224, 198);
      break;
    case 7:  // men 11 to 30
      look = {false, Stage::Young, HairStyle::SweptFringe, QColor(142, 92, 52), QColor(110, 176, 236), Outfit::Hoodie};
      break;
    case 8:  // men 31 to 40
      look = {false, Stage::Adult, HairStyle::SidePart, QColor(48, 42, 50), QColor(54, 70, 120), Outfit::SuitRedTie};
      break;
    case 9:  // men 41 to 50
      look = {false, Stage::Middle, HairStyle::ShortReceding, QColor(96, 84, 78), QColor(128, 132, 142), Outfit::SuitBlueTie};
      look.glasses = true;
      look.skin = QColor(252, 220, 192);
      break;
    case 10:  // women 41 to 50
      look = {true, Stage::Middle, HairStyle::ShortWaves, QColor(128, 70, 48), QColor(244, 140, 120), Outfit::Necklace};
      break;
    default:  // the unnamed user
      look = {false, Stage::Young, HairStyle::None, QColor(), QColor(200, 200, 214), Outfit::TShirt};
      look.skin = QColor(246, 232, 220);
      break;
  }
  return look;
}

// Geometry of one face, derived from the look's age stage.
struct Frame {
  QPointF c;          // centre of the head
  qreal rx = 28;      // head half width
  qreal ry = 31;      // head half height
  qreal eyeY = 0;     // eye centre height
  qreal eyeDx = 11;   // eye distance from the middle
  qreal eyeRx = 3.8;  // eye half width
  qreal eyeRy = 5;    // eye half height
  qreal browY = 0;    // brow height
  qreal mouthY = 0;   // mouth height
  qreal jaw = 0.2;    // 0 round chin, 1 square jaw
};

Frame FrameOf(const GroupLook& look) {
  Frame f;
  switch (look.stage) {
    case Stage::Child:
      f.c = {50, 49};
      f.rx = 30.5;
      f.ry = 28.5;
      f.eyeY = f.c.y() + 5;
      f.eyeDx = 11.5;
      f.eyeRx = 4.3;
      f.eyeRy = 5.6;
      f.mouthY = f.c.y() + 17.5;
      f.jaw = 0.0;
      break;
    case Stage::Young:
      f.c = {50, 46};
      f.eyeY = f.c.y() + 4;
      f.eyeRx = 3.9;
      f.eyeRy = 5.1;
      f.mouthY = f.c.y() + 19;
      break;
    case Stage::Adult:
      f.c = {50, 46};
      f.eyeY = f.c.y() + 3.5;
      f.eyeRx = 3.6;
      f.eyeRy = 4.7;
      f.mouthY = f.c.y() + 19;
      break;
    case Stage::Middle:
      f.c = {50, 46};
      f.eyeY = f.c.y() + 3.5;
      f.eyeRx = 3.4;
      f.eyeRy = 4.3;
      f.mouthY = f.c.y() + 19.5;
      break;
    case Stage::Senior:
      f.c = {50, 46};
      f.eyeY = f.c.y() + 4;
      f.eyeRx = 3.3;
      f.eyeRy = 3.8;
      f.mouthY = f.c.y() + 19.5;
      break;
  }
  if (!look.female && look.stage != Stage::Child) {
    f.rx += 1.0;
    f.jaw = 0.55;
  }
  f.browY = f.eyeY - f.eyeRy - 4.5;
  return f;
}

// The face outline: round top, cheeks narrowing to the chin.
QPainterPath HeadPath(const Frame& f) {
  const qreal cx = f.c.x(), cy = f.c.y();
  QPainterPath path;
  path.moveTo(cx - f.rx, cy);
  path.arcTo(QRectF(cx - f.rx, cy - f.ry, 2 * f.rx, 2 * f.ry), 180, -180);
  const qreal chinHalf = 6 + 6 * f.jaw;
  path.cubicTo(cx + f.rx, cy + f.ry * (0.45 + 0.2 * f.jaw), cx + chinHalf + 6, cy + f.ry, cx + chinHalf * 0.3, cy + f.ry);
  path.lineTo(cx - chinHalf * 0.3, cy + f.ry);
  path.cubicTo(cx - chinHalf - 6, cy + f.ry, cx - f.rx, cy + f.ry * (0.45 + 0.2 * f.jaw), cx - f.rx, cy);
  path.closeSubpath();
  return path;
}

QPainterPath DropPath(QPointF tip, qreal height) {
  const qreal w = height * 0.42;
  QPainterPath path;
  path.moveTo(tip);
  path.cubicTo(tip.x() + w * 0.3, tip.y() + height * 0.35, tip.x() + w, tip.y() + height * 0.55, tip.x() + w, tip.y() + height * 0.72);
  path.arcTo(QRectF(tip.x() - w, tip.y() + height * 0.44, 2 * w, height * 0.56), 0, -180);
  path.cubicTo(tip.x() - w, tip.y() + height * 0.55, tip.x() - w * 0.3, tip.y() + height * 0.35, tip.x(), tip.y());
  path.closeSubpath();
  return path;
}

void Stroke(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width) {
  QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.save();
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.restore();
}

void Line(QPainter& p, QPointF a, QPointF b, const QColor& colour, qreal width) {
  QPainterPath path(a);
  path.lineTo(b);
  Stroke(p, path, colour, width);
}

// A short mark beside the head, with a light halo so it reads on dark backgrounds too.
void MarkLine(QPainter& p, QPointF a, QPointF b, const QColor& colour, qreal width) {
  Line(p, a, b, QColor(255, 255, 255), width + 2.2);
  Line(p, a, b, colour, width);
}

// ---------------------------------------------------------------- body and hair

void DrawBody(QPainter& p, const Frame& f, const GroupLook& look) {
  const qreal cx = f.c.x();
  const qreal top = f.c.y() + f.ry - 2;
  const qreal half = look.stage == Stage::Child ? 36 : 41;
  // Neck.
  QPainterPath neck;
  neck.addRect(QRectF(cx - 8, top - 6, 16, 16));
  FillOutlined(p, neck, look.skin.darker(108));
  // Shoulders.
  QPainterPath body;
  body.moveTo(cx - half, 101);
  body.cubicTo(cx - half, 90, cx - half + 8, top + 7, cx - 12, top + 6);
  body.lineTo(cx + 12, top + 6);
  body.cubicTo(cx + half - 8, top + 7, cx + half, 90, cx + half, 101);
  body.closeSubpath();
  FillOutlined(p, body, look.clothes);

  const QColor white(252, 252, 250);
  switch (look.outfit) {
    case Outfit::SuitRedTie:
    case Outfit::SuitBlueTie: {
      QPainterPath shirt;
      shirt.moveTo(cx - 11, top + 6);
      shirt.lineTo(cx + 11, top + 6);
      shirt.lineTo(cx, 101);
      shirt.closeSubpath();
      FillOutlined(p, shirt, white, 1.2);
      QPainterPath tie;
      tie.moveTo(cx - 3, top + 8);
      tie.lineTo(cx + 3, top + 8);
      tie.lineTo(cx + 4.5, 98);
      tie.lineTo(cx, 101);
      tie.lineTo(cx - 4.5, 98);
      tie.closeSubpath();
      FillOutlined(p, tie, look.outfit == Outfit::SuitRedTie ? QColor(214, 58, 64) : QColor(70, 120, 210), 1.2);
      // Collar tips.
      QPainterPath collar;
      collar.moveTo(cx - 11, top + 6);
      collar.lineTo(cx - 3, top + 10);
      collar.lineTo(cx - 7, top + 14);
      collar.closeSubpath();
      collar.moveTo(cx + 11, top + 6);
      collar.lineTo(cx + 3, top + 10);
      collar.lineTo(cx + 7, top + 14);
      collar.closeSubpath();
      FillOutlined(p, collar, white, 1.0);
      break;
    }
    case Outfit::Dress: {
      QPainterPath collar;
      collar.addEllipse(QPointF(cx - 6, top + 9), 7, 4);
      collar.addEllipse(QPointF(cx + 6, top + 9), 7, 4);
      FillOutlined(p, collar, white, 1.2);
      break;
    }
    case Outfit::Blouse: {
      QPainterPath collar;
      collar.moveTo(cx - 12, top + 6);
      collar.lineTo(cx, top + 16);
      collar.lineTo(cx + 12, top + 6);
      Stroke(p, collar, kOutline, 1.2);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 236, 160));
      p.drawEllipse(QPointF(cx, top + 20), 1.8, 1.8);
      break;
    }
    case Outfit::Necklace: {
      QPainterPath neckline;
      neckline.moveTo(cx - 12, top + 6);
      neckline.quadTo(cx, top + 16, cx + 12, top + 6);
      FillOutlined(p, neckline, look.skin.darker(108), 1.2);
      for (int i = -3; i <= 3; ++i) {
        const qreal t = i / 3.0;
        const QPointF pearl(cx + t * 10, top + 9 + (1 - t * t) * 4.5);
        p.setPen(QPen(QColor(170, 160, 170), 0.8));
        p.setBrush(white);
        p.drawEllipse(pearl, 1.6, 1.6);
      }
      break;
    }
    case Outfit::Cardigan: {
      QPainterPath inner;
      inner.moveTo(cx - 11, top + 6);
      inner.lineTo(cx + 11, top + 6);
      inner.lineTo(cx + 5, 101);
      inner.lineTo(cx - 5, 101);
      inner.closeSubpath();
      FillOutlined(p, inner, QColor(250, 240, 226), 1.2);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(250, 230, 150));
      p.drawEllipse(QPointF(cx - 7.5, 93), 1.5, 1.5);
      p.drawEllipse(QPointF(cx + 7.5, 93), 1.5, 1.5);
      break;
    }
    case Outfit::TShirt:
    case Outfit::Sweater: {
      QPainterPath neckline;
      neckline.moveTo(cx - 10, top + 6);
      neckline.quadTo(cx, top + 13, cx + 10, top + 6);
      FillOutlined(p, neckline, look.skin.darker(108), 1.2);
      break;
    }
    case Outfit::Hoodie: {
      QPainterPath hood;
      hood.moveTo(cx - 22, top + 5);
      hood.quadTo(cx, top + 19, cx + 22, top + 5);
      Stroke(p, hood, kOutline, 1.2);
      Line(p, {cx - 6, top + 12}, {cx - 7, top + 22}, white, 1.4);
      Line(p, {cx + 6, top + 12}, {cx + 7, top + 22}, white, 1.4);
      break;
    }
    case Outfit::Vest: {
      QPainterPath shirt;
      shirt.moveTo(cx - 11, top + 6);
      shirt.lineTo(cx + 11, top + 6);
      shirt.lineTo(cx, 101);
      shirt.closeSubpath();
      FillOutlined(p, shirt, QColor(246, 240, 226), 1.2);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(236, 220, 140));
      p.drawEllipse(QPointF(cx, 95), 1.4, 1.4);
      break;
    }
  }
}

// Hair parts drawn behind the head.
void DrawBackHair(QPainter& p, const Frame& f, const GroupLook& look) {
  const qreal cx = f.c.x(), cy = f.c.y();
  const QColor& hair = look.hairColour;
  switch (look.hair) {
    case HairStyle::LongStraight: {
      QPainterPath back;
      back.moveTo(cx - f.rx - 4, cy - 4);
      back.arcTo(QRectF(cx - f.rx - 5, cy - f.ry - 6, 2 * f.rx + 10, 2 * f.ry + 8), 180, -180);
      back.cubicTo(cx + f.rx + 7, cy + 20, cx + f.rx + 6, cy + 38, cx + f.rx - 1, cy + 44);
      back.quadTo(cx, cy + 38, cx - f.rx + 1, cy + 44);
      back.cubicTo(cx - f.rx - 6, cy + 38, cx - f.rx - 7, cy + 20, cx - f.rx - 4, cy - 4);
      back.closeSubpath();
      FillOutlined(p, back, hair.darker(112));
      break;
    }
    case HairStyle::Bob: {
      QPainterPath back;
      back.moveTo(cx - f.rx - 6, cy);
      back.arcTo(QRectF(cx - f.rx - 6, cy - f.ry - 6, 2 * f.rx + 12, 2 * f.ry + 8), 180, -180);
      back.cubicTo(cx + f.rx + 7, cy + 14, cx + f.rx + 6, cy + 24, cx + f.rx - 2, cy + 25);
      back.lineTo(cx - f.rx + 2, cy + 25);
      back.cubicTo(cx - f.rx - 6, cy + 24, cx - f.rx - 7, cy + 14, cx - f.rx - 6, cy);
      back.closeSubpath();
      FillOutlined(p, back, hair.darker(110));
      break;
    }
    case HairStyle::GirlPigtails: {
      for (int side : {-1, 1}) {
        QPainterPath tail;
        const QPointF root(cx + side * (f.rx - 1), cy - 10);
        tail.moveTo(root);
        tail.cubicTo(root.x() + side * 16, root.y() + 2, root.x() + side * 17, root.y() + 26, root.x() + side * 7, root.y() + 36);
        tail.cubicTo(root.x() + side * 9, root.y() + 22, root.x() + side * 4, root.y() + 12, root.x() - side * 2, root.y() + 8);
        tail.closeSubpath();
        FillOutlined(p, tail, hair);
      }
      break;
    }
    case HairStyle::GreyBun: {
      FillOutlined(p, EllipsePath({cx, cy - f.ry - 4}, 11, 9), hair);
      Stroke(p, QPainterPath(QPointF(cx - 6, cy - f.ry - 6)), kOutline, 1);
      QPainterPath swirl;
      swirl.moveTo(cx - 6, cy - f.ry - 5);
      swirl.quadTo(cx, cy - f.ry - 11, cx + 6, cy - f.ry - 4);
      Stroke(p, swirl, hair.darker(130), 1.1);
      break;
    }
    default:
      break;
  }
}

// Ears, drawn behind the head so that only their outer half shows.
void DrawEars(QPainter& p, const Frame& f, const GroupLook& look) {
  for (int side : {-1, 1}) {
    const QPointF ear(f.c.x() + side * (f.rx - 1), f.eyeY + 2);
    FillOutlined(p, EllipsePath(ear, 5, 6.5), look.skin);
    QPainterPath inner;
    inner.moveTo(ear.x() + side * 2, ear.y() - 3);
    inner.quadTo(ear.x() + side * 3.5, ear.y(), ear.x() + side * 1.5, ear.y() + 3);
    Stroke(p, inner, look.skin.darker(130), 1);
  }
}

// Starts a hair cap on the path: up the left side from sideY, over the crown on an
// ellipse `spread` wider and `lift` higher than the head, down the right side to sideY.
void CrownCap(QPainterPath& path, const Frame& f, qreal spread, qreal lift, qreal sideY) {
  const qreal cx = f.c.x(), cy = f.c.y();
  path.moveTo(cx - f.rx - spread, sideY);
  path.lineTo(cx - f.rx - spread, cy);
  path.arcTo(QRectF(cx - f.rx - spread, cy - f.ry - lift, 2 * (f.rx + spread), 2 * (f.ry + lift)), 180, -180);
  path.lineTo(cx + f.rx + spread, sideY);
}

// Hair in front of the face: fringe and crown.
void DrawFrontHair(QPainter& p, const Frame& f, const GroupLook& look) {
  const qreal cx = f.c.x(), cy = f.c.y();
  const QColor& hair = look.hairColour;
  const qreal top = cy - f.ry;
  QPainterPath path;
  switch (look.hair) {
    case HairStyle::None:
      return;
    case HairStyle::GirlPigtails: {
      CrownCap(path, f, 1.5, 3, cy + 2);
      path.lineTo(cx + f.rx - 3, cy - 2);
      // Blunt fringe with soft scallops.
      const int scallops = 5;
      const qreal left = cx - f.rx + 3, right = cx + f.rx - 3, fringe = cy - 6;
      path.lineTo(right, fringe);
      for (int i = scallops; i > 0; --i) {
        const qreal x0 = left + (right - left) * i / scallops;
        const qreal x1 = left + (right - left) * (i - 1) / scallops;
        path.quadTo((x0 + x1) / 2, fringe + 4, x1, fringe);
      }
      path.lineTo(cx - f.rx + 3, cy - 2);
      path.closeSubpath();
      FillOutlined(p, path, hair);
      // Ribbons at the roots of the tails.
      for (int side : {-1, 1}) {
        const QPointF knot(cx + side * (f.rx - 1), cy - 11);
        QPainterPath bow;
        bow.moveTo(knot);
        bow.lineTo(knot + QPointF(-6, -5));
        bow.lineTo(knot + QPointF(-6, 5));
        bow.closeSubpath();
        bow.moveTo(knot);
        bow.lineTo(knot + QPointF(6, -5));
        bow.lineTo(knot + QPointF(6, 5));
        bow.closeSubpath();
        FillOutlined(p, bow, QColor(240, 70, 96), 1.2);
        FillOutlined(p, EllipsePath(knot, 2.2, 2.2), QColor(250, 110, 130), 1.0);
      }
      return;
    }
    case HairStyle::LongStraight: {
      CrownCap(path, f, 3, 4, cy + 14);
      path.cubicTo(cx + f.rx - 1, cy + 4, cx + f.rx - 3, cy - 6, cx + f.rx - 6, cy - 9);
      // Side-swept fringe, parted on the left.
      path.cubicTo(cx + 8, cy - 9, cx - 4, cy - 12, cx - 9, top + 7);
      path.cubicTo(cx - 12, cy - 8, cx - 18, cy - 6, cx - f.rx + 4, cy - 4);
      path.cubicTo(cx - f.rx + 1, cy + 2, cx - f.rx, cy + 8, cx - f.rx - 3, cy + 14);
      path.closeSubpath();
      FillOutlined(p, path, hair);
      QPainterPath shine;
      shine.moveTo(cx - 14, top + 6);
      shine.quadTo(cx, top + 1, cx + 12, top + 5);
      Stroke(p, shine, hair.lighter(135), 2.2);
      // Hair pin: a small flower.
      const QPointF pin(cx + f.rx - 7, cy - 10);
      for (int i = 0; i < 5; ++i) {
        const qreal a = 2 * M_PI * i / 5;
        FillOutlined(p, EllipsePath(pin + QPointF(3 * std::cos(a), 3 * std::sin(a)), 2.4, 2.4), QColor(255, 170, 200), 0.8);
      }
      FillOutlined(p, EllipsePath(pin, 1.6, 1.6), QColor(255, 226, 120), 0.6);
      return;
    }
    case HairStyle::Bob: {
      CrownCap(path, f, 5, 5, cy + 6);
      path.cubicTo(cx + f.rx + 1, cy + 2, cx + f.rx - 1, cy - 4, cx + f.rx - 3, cy - 6);
      // Fringe sweeping from a part on the right to the left temple.
      path.cubicTo(cx + 10, top + 6, cx + 8, top + 7, cx + 6, top + 8);
      path.cubicTo(cx - 4, cy - 10, cx - 14, cy - 6, cx - f.rx + 1, cy - 2);
      path.cubicTo(cx - f.rx - 1, cy, cx - f.rx - 2, cy + 3, cx - f.rx - 5, cy + 6);
      path.closeSubpath();
      FillOutlined(p, path, hair);
      QPainterPath shine;
      shine.moveTo(cx - 16, top + 7);
      shine.quadTo(cx - 6, top + 1, cx + 4, top + 3);
      Stroke(p, shine, hair.lighter(150), 2.0);
      return;
    }
    case HairStyle::ShortWaves: {
      // A crown of soft curls with a wavy side-swept fringe, short at the sides.
      CrownCap(path, f, 3, 4, cy + 2);
      path.lineTo(cx + f.rx - 2, cy - 4);
      path.cubicTo(cx + 12, cy - 8, cx + 8, cy - 14, cx + 2, top + 9);
      path.cubicTo(cx - 2, cy - 9, cx - 10, cy - 10, cx - 12, cy - 13);
      path.cubicTo(cx - 14, cy - 7, cx - 20, cy - 5, cx - f.rx + 2, cy - 4);
      path.closeSubpath();
      const int count = 9;
      for (int i = 0; i < count; ++i) {
        const qreal a = M_PI + M_PI * i / (count - 1);
        path.addEllipse(QPointF(cx + (f.rx + 2) * std::cos(a), cy - 2 + (f.ry + 3) * std::sin(a)), 6.5, 6.5);
      }
      path.setFillRule(Qt::WindingFill);
      FillOutlined(p, path.simplified(), hair);
      QPainterPath shine;
      shine.moveTo(cx - 12, top + 1);
      shine.quadTo(cx - 2, top - 3, cx + 8, top);
      Stroke(p, shine, hair.lighter(150), 2.0);
      // Earrings.
      for (int side : {-1, 1}) FillOutlined(p, EllipsePath({cx + side * (f.rx - 1), f.eyeY + 10}, 1.8, 1.8), QColor(250, 206, 80), 0.8);
      return;
    }
    case HairStyle::GreyBun: {
      CrownCap(path, f, 3, 4, cy + 4);
      path.cubicTo(cx + f.rx, cy - 4, cx + 14, cy - 10, cx + 2, top + 9);
      path.cubicTo(cx - 10, cy - 10, cx - f.rx, cy - 4, cx - f.rx - 3, cy + 4);
      path.closeSubpath();
      FillOutlined(p, path, hair);
      for (int side : {-1, 1}) {
        QPainterPath wave;
        wave.moveTo(cx + side * 4, top + 4);
        wave.quadTo(cx + side * 14, top + 2, cx + side * (f.rx - 2), cy - 6);
        Stroke(p, wave, hair.darker(125), 1.1);
      }
      return;
    }
    case HairStyle::BoySpiky: {
      path.moveTo(cx - f.rx - 1, cy + 2);
      path.lineTo(cx - f.rx - 4, cy - 12);
      path.lineTo(cx - f.rx + 2, cy - 14);
      path.lineTo(cx - f.rx - 1, top + 4);
      path.lineTo(cx - 12, top + 1);
      path.lineTo(cx - 10, top - 7);
      path.lineTo(cx - 2, top - 1);
      path.lineTo(cx + 3, top - 9);   // cowlick
      path.lineTo(cx + 8, top - 1);
      path.lineTo(cx + 17, top - 5);
      path.lineTo(cx + f.rx - 2, top + 6);
      path.lineTo(cx + f.rx + 4, cy - 14);
      path.lineTo(cx + f.rx + 1, cy - 10);
      path.lineTo(cx + f.rx + 1, cy + 2);
      // Short spiky fringe.
      path.lineTo(cx + f.rx - 4, cy - 8);
      path.lineTo(cx + 14, cy - 6);
      path.lineTo(cx + 10, cy - 12);
      path.lineTo(cx + 4, cy - 7);
      path.lineTo(cx - 1, cy - 13);
      path.lineTo(cx - 6, cy - 7);
      path.lineTo(cx - 12, cy - 12);
      path.lineTo(cx - 16, cy - 6);
      path.lineTo(cx - f.rx + 4, cy - 8);
      path.closeSubpath();
      FillOutlined(p, path, hair);
      QPainterPath shine;
      shine.moveTo(cx - 12, top + 5);
      shine.lineTo(cx - 4, top + 3);
      Stroke(p, shine, hair.lighter(220), 2.0);
      return;
    }
    case HairStyle::SweptFringe: {
      CrownCap(path, f, 1.5, 5, cy + 2);
      path.lineTo(cx + f.rx - 3, cy - 6);
      // Fringe swept to the right in three pointed locks.
      path.lineTo(cx + f.rx - 2, cy - 3);
      path.cubicTo(cx + 16, cy - 10, cx + 8, cy - 12, cx + 2, top + 9);
      path.cubicTo(cx + 2, cy - 8, cx - 2, cy - 6, cx - 6, cy - 4);
      path.cubicTo(cx - 6, cy - 9, cx - 10, cy - 13, cx - 14, top + 10);
      path.cubicTo(cx - 16, cy - 8, cx - 20, cy - 6, cx - f.rx + 3, cy - 6);
      path.closeSubpath();
      FillOutlined(p, path, hair);
      QPainterPath shine;
      shine.moveTo(cx - 10, top + 2);
      shine.quadTo(cx, top - 2, cx + 12, top + 3);
      Stroke(p, shine, hair.lighter(150), 2.0);
      return;
    }
    case HairStyle::SidePart: {
      CrownCap(path, f, 1.5, 4, cy + 1);
      path.lineTo(cx + f.rx - 2, cy - 3);
      path.cubicTo(cx + f.rx - 6, cy - 11, cx + 6, cy - 11, cx - 8, cy - 19);
      path.cubicTo(cx - 12, cy - 14, cx - f.rx + 4, cy - 12, cx - f.rx + 2, cy - 5);
      path.closeSubpath();
      FillOutlined(p, path, hair);
      QPainterPath part;
      part.moveTo(cx - 8, cy - 19);
      part.quadTo(cx - 10, top + 2, cx - 12, top - 2);
      Stroke(p, part, hair.lighter(200), 1.2);
      QPainterPath shine;
      shine.moveTo(cx - 4, top + 1);
      shine.quadTo(cx + 6, top - 1, cx + 14, top + 4);
      Stroke(p, shine, hair.lighter(230), 2.0);
      return;
    }
    case HairStyle::ShortReceding: {
      CrownCap(path, f, 1.5, 3, cy + 1);
      path.lineTo(cx + f.rx - 2, cy - 6);
      path.cubicTo(cx + f.rx - 4, top + 13, cx + 14, top + 12, cx + 9, top + 10);
      path.quadTo(cx, top + 13, cx - 9, top + 10);
      path.cubicTo(cx - 14, top + 12, cx - f.rx + 4, top + 13, cx - f.rx + 2, cy - 6);
      path.closeSubpath();
      FillOutlined(p, path, hair);
      // Grey temples.
      for (int side : {-1, 1}) {
        QPainterPath temple;
        temple.moveTo(cx + side * (f.rx - 1), cy);
        temple.lineTo(cx + side * (f.rx - 1), cy - 9);
        Stroke(p, temple, QColor(196, 196, 200), 2.6);
      }
      return;
    }
    case HairStyle::BaldSides: {
      for (int side : {-1, 1}) {
        QPainterPath tuft;
        tuft.moveTo(cx + side * (f.rx - 2), cy - 14);
        tuft.cubicTo(cx + side * (f.rx + 6), cy - 16, cx + side * (f.rx + 7), cy - 2, cx + side * (f.rx + 3), cy + 4);
        tuft.cubicTo(cx + side * (f.rx + 1), cy, cx + side * (f.rx - 1), cy - 6, cx + side * (f.rx - 2), cy - 14);
        tuft.closeSubpath();
        FillOutlined(p, tuft, hair);
      }
      // Shine on the crown and two forehead lines.
      QPainterPath shine;
      shine.moveTo(cx - 14, top + 7);
      shine.quadTo(cx - 8, top + 3, cx - 1, top + 3);
      Stroke(p, shine, look.skin.lighter(112), 2.4);
      return;
    }
  }
}

// ---------------------------------------------------------------- features

enum class EyeKind { Open, HalfLidded, ClosedSmile, Squeezed, Wink, Wide, Hearts, Wet, LookUp, Dot };
enum class BrowKind { Calm, Raised, Angry, Worried, Quizzical, Confident, None };
enum class MouthKind { Smile, SoftSmile, Grin, OpenSmile, Laugh, Smirk, Round, Gritted, Wavy, Wobbly, Flat, Neutral };

struct Features {
  EyeKind eyes = EyeKind::Open;
  BrowKind brows = BrowKind::Calm;
  MouthKind mouth = MouthKind::Smile;
  bool blush = false;
};

Features FeaturesOf(Expression e) {
  switch (e) {
    case Expression::Proud: return {EyeKind::HalfLidded, BrowKind::Confident, MouthKind::Smirk, false};
    case Expression::Gentle: return {EyeKind::ClosedSmile, BrowKind::Calm, MouthKind::SoftSmile, true};
    case Expression::Wink: return {EyeKind::Wink, BrowKind::Calm, MouthKind::Grin, true};
    case Expression::Joy: return {EyeKind::Open, BrowKind::Raised, MouthKind::OpenSmile, true};
    case Expression::Thinking: return {EyeKind::LookUp, BrowKind::Quizzical, MouthKind::Flat, false};
    case Expression::Tears: return {EyeKind::Wet, BrowKind::Worried, MouthKind::Wobbly, true};
    case Expression::Anger: return {EyeKind::Open, BrowKind::Angry, MouthKind::Gritted, false};
    case Expression::Worry: return {EyeKind::Open, BrowKind::Worried, MouthKind::Wavy, false};
    case Expression::Surprise: return {EyeKind::Wide, BrowKind::Raised, MouthKind::Round, false};
    case Expression::Laugh: return {EyeKind::Squeezed, BrowKind::Raised, MouthKind::Laugh, true};
    case Expression::Love: return {EyeKind::Hearts, BrowKind::Raised, MouthKind::OpenSmile, true};
    case Expression::Portrait: return {EyeKind::Open, BrowKind::Calm, MouthKind::Smile, true};
    case Expression::Unnamed: return {EyeKind::Dot, BrowKind::None, MouthKind::Neutral, false};
  }
  return {};
}

const QColor kEyeColour(58, 40, 36);

void DrawOpenEye(QPainter& p, QPointF centre, const Frame& f, const GroupLook& look, int side, QPointF look_offset = {}) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(kEyeColour);
  p.drawEllipse(centre, f.eyeRx, f.eyeRy);
  // Iris tint and highlights.
  p.setBrush(QColor(110, 74, 60));
  p.drawEllipse(centre + QPointF(0, f.eyeRy * 0.35), f.eyeRx * 0.7, f.eyeRy * 0.45);
  p.setBrush(Qt::white);
  p.drawEllipse(centre + look_offset + QPointF(-f.eyeRx * 0.3, -f.eyeRy * 0.38), f.eyeRx * 0.42, f.eyeRx * 0.42);
  p.drawEllipse(centre + look_offset + QPointF(f.eyeRx * 0.35, f.eyeRy * 0.35), f.eyeRx * 0.2, f.eyeRx * 0.2);
  p.restore();
  if (look.female) {
    // One lash at the outer corner.
    const QPointF corner(centre.x() + side * f.eyeRx * 0.8, centre.y() - f.eyeRy * 0.6);
    Line(p, corner, corner + QPointF(side * 2.6, -1.8), kEyeColour, 1.3);
  }
  if (look.stage == Stage::Senior || look.stage == Stage::Middle) {
    const QPointF corner(centre.x() + side * (f.eyeRx + 2.5), centre.y() + 1);
    Line(p, corner, corner + QPointF(side * 2.5, -1.2), look.skin.darker(135), 0.9);
    if (look.stage == Stage::Senior) Line(p, corner + QPointF(0, 2.5), corner + QPointF(side * 2.5, 3.5), look.skin.darker(135), 0.9);
  }
}

void DrawEyes(QPainter& p, const Frame& f, const GroupLook& look, EyeKind kind) {
  for (int side : {-1, 1}) {
    const QPointF centre(f.c.x() + side * f.eyeDx, f.eyeY);
    switch (kind) {
      case EyeKind::Open:
        DrawOpenEye(p, centre, f, look, side);
        break;
      case EyeKind::LookUp:
        DrawOpenEye(p, centre + QPointF(1.2, -0.8), f, look, side, QPointF(0.3, -0.3));
        break;
      case EyeKind::HalfLidded: {
        DrawOpenEye(p, centre + QPointF(0, 0.8), f, look, side);
        // Lid covering the upper half.
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(look.skin);
        p.drawRect(QRectF(centre.x() - f.eyeRx - 1, centre.y() - f.eyeRy - 1.5, 2 * f.eyeRx + 2, f.eyeRy + 0.6));
        p.restore();
        Line(p, centre + QPointF(-f.eyeRx - 1, -0.6), centre + QPointF(f.eyeRx + 1, -0.9), kEyeColour, 1.6);
        break;
      }
      case EyeKind::ClosedSmile: {
        QPainterPath arc;
        arc.moveTo(centre + QPointF(-f.eyeRx - 0.5, 0));
        arc.quadTo(centre + QPointF(0, f.eyeRy * 0.8), centre + QPointF(f.eyeRx + 0.5, 0));
        Stroke(p, arc, kEyeColour, 1.8);
        break;
      }
      case EyeKind::Squeezed: {
        QPainterPath arc;
        arc.moveTo(centre + QPointF(-f.eyeRx - 0.5, 1.5));
        arc.quadTo(centre + QPointF(0, -f.eyeRy * 0.9), centre + QPointF(f.eyeRx + 0.5, 1.5));
        Stroke(p, arc, kEyeColour, 1.9);
        break;
      }
      case EyeKind::Wink:
        if (side < 0) {
          DrawOpenEye(p, centre, f, look, side);
        } else {
          QPainterPath shut;
          shut.moveTo(centre + QPointF(f.eyeRx, -f.eyeRy * 0.55));
          shut.lineTo(centre + QPointF(-f.eyeRx * 0.9, 0));
          shut.lineTo(centre + QPointF(f.eyeRx, f.eyeRy * 0.55));
          Stroke(p, shut, kEyeColour, 1.8);
        }
        break;
      case EyeKind::Wide: {
        FillOutlined(p, EllipsePath(centre, f.eyeRx + 1.6, f.eyeRy + 1.2), Qt::white, 1.3);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(kEyeColour);
        p.drawEllipse(centre, f.eyeRx * 0.55, f.eyeRx * 0.55);
        p.restore();
        break;
      }
      case EyeKind::Hearts:
        FillOutlined(p, HeartPath(centre + QPointF(0, 0.5), f.eyeRy * 2.0), QColor(236, 60, 96), 1.0);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 200, 210));
        p.drawEllipse(centre + QPointF(-f.eyeRx * 0.55, -f.eyeRy * 0.3), 1.1, 1.1);
        p.restore();
        break;
      case EyeKind::Wet: {
        DrawOpenEye(p, centre, f, look, side);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(centre + QPointF(f.eyeRx * 0.1, f.eyeRy * 0.2), f.eyeRx * 0.35, f.eyeRx * 0.3);
        p.restore();
        // Tears running down the cheek.
        QPainterPath stream;
        stream.moveTo(centre + QPointF(side * f.eyeRx * 0.6, f.eyeRy * 0.8));
        stream.cubicTo(centre + QPointF(side * f.eyeRx * 1.2, f.eyeRy * 2.0), centre + QPointF(side * f.eyeRx * 0.7, f.eyeRy * 2.6),
                       centre + QPointF(side * f.eyeRx * 1.1, f.eyeRy * 3.4));
        Stroke(p, stream, QColor(120, 190, 250), 2.4);
        FillOutlined(p, DropPath(centre + QPointF(side * f.eyeRx * 1.1, f.eyeRy * 3.0), 6), QColor(150, 210, 255), 0.9);
        break;
      }
      case EyeKind::Dot:
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(kEyeColour);
        p.drawEllipse(centre, 2.4, 2.8);
        p.restore();
        break;
    }
  }
}

void DrawBrows(QPainter& p, const Frame& f, const GroupLook& look, BrowKind kind) {
  if (kind == BrowKind::None) return;
  const QColor colour = look.hair == HairStyle::None ? kEyeColour : look.hairColour.darker(140);
  const qreal width = look.female ? 1.6 : (look.stage == Stage::Senior ? 3.0 : 2.3);
  for (int side : {-1, 1}) {
    const qreal inner = f.c.x() + side * (f.eyeDx - f.eyeRx - 0.5);
    const qreal outer = f.c.x() + side * (f.eyeDx + f.eyeRx + 1.5);
    qreal yInner = f.browY, yOuter = f.browY, lift = 1.6;
    switch (kind) {
      case BrowKind::Calm: break;
      case BrowKind::Raised:
        yInner -= 2.5;
        yOuter -= 2.5;
        lift = 2.4;
        break;
      case BrowKind::Angry:
        yInner += 3;
        yOuter -= 2;
        lift = 0;
        break;
      case BrowKind::Worried:
        yInner -= 2.5;
        yOuter += 1.5;
        lift = 0.4;
        break;
      case BrowKind::Quizzical:
        if (side > 0) {
          yInner -= 3.5;
          yOuter -= 3.5;
          lift = 2.8;
        } else {
          yInner += 0.5;
          yOuter += 0.5;
          lift = 0;
        }
        break;
      case BrowKind::Confident:
        yInner += 0.8;
        yOuter -= 1.4;
        lift = 0.8;
        break;
      case BrowKind::None: break;
    }
    QPainterPath brow;
    brow.moveTo(inner, yInner);
    brow.quadTo((inner + outer) / 2, std::min(yInner, yOuter) - lift, outer, yOuter);
    Stroke(p, brow, colour, width);
  }
}

void DrawMouth(QPainter& p, const Frame& f, const GroupLook& look, MouthKind kind) {
  const qreal cx = f.c.x(), y = f.mouthY;
  const QColor lip = look.female ? QColor(206, 80, 90) : QColor(150, 70, 60);
  const QColor inside(170, 50, 60);
  const QColor tongue(250, 130, 140);
  switch (kind) {
    case MouthKind::Smile: {
      QPainterPath arc;
      arc.moveTo(cx - 6.5, y - 1);
      arc.quadTo(cx, y + 5, cx + 6.5, y - 1);
      Stroke(p, arc, lip.darker(120), 1.8);
      break;
    }
    case MouthKind::SoftSmile: {
      QPainterPath arc;
      arc.moveTo(cx - 5, y);
      arc.quadTo(cx, y + 3.5, cx + 5, y);
      Stroke(p, arc, lip.darker(120), 1.7);
      break;
    }
    case MouthKind::Grin:
    case MouthKind::OpenSmile:
    case MouthKind::Laugh: {
      const qreal w = kind == MouthKind::Laugh ? 10 : (kind == MouthKind::Grin ? 7.5 : 8);
      const qreal h = kind == MouthKind::Laugh ? 11 : (kind == MouthKind::Grin ? 6 : 8);
      QPainterPath open;
      open.moveTo(cx - w, y - 2);
      open.quadTo(cx, y, cx + w, y - 2);
      open.cubicTo(cx + w, y + h * 0.7, cx + w * 0.4, y + h, cx, y + h);
      open.cubicTo(cx - w * 0.4, y + h, cx - w, y + h * 0.7, cx - w, y - 2);
      open.closeSubpath();
      FillOutlined(p, open, inside, 1.5);
      p.save();
      p.setClipPath(open);
      p.setPen(Qt::NoPen);
      p.setBrush(tongue);
      p.drawEllipse(QPointF(cx, y + h + 1), w * 0.6, h * 0.55);
      if (kind == MouthKind::Grin) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(cx - w, y - 3, 2 * w, 3.4));
      }
      p.restore();
      Stroke(p, open, kOutline, 1.5);
      break;
    }
    case MouthKind::Smirk: {
      QPainterPath arc;
      arc.moveTo(cx - 6, y + 1);
      arc.cubicTo(cx - 2, y + 3, cx + 3, y + 2, cx + 7, y - 2.5);
      Stroke(p, arc, lip.darker(120), 1.8);
      break;
    }
    case MouthKind::Round:
      FillOutlined(p, EllipsePath({cx, y + 3}, 3.8, 5), inside, 1.5);
      break;
    case MouthKind::Gritted: {
      QPainterPath teeth;
      teeth.moveTo(cx - 8, y + 4);
      teeth.quadTo(cx, y - 2, cx + 8, y + 4);
      teeth.lineTo(cx + 7, y + 7);
      teeth.quadTo(cx, y + 3, cx - 7, y + 7);
      teeth.closeSubpath();
      FillOutlined(p, teeth, Qt::white, 1.5);
      QPainterPath gap;
      gap.moveTo(cx - 7.5, y + 5.2);
      gap.quadTo(cx, y + 0.6, cx + 7.5, y + 5.2);
      for (int i = -1; i <= 1; ++i) {
        gap.moveTo(cx + i * 3.6, y + 0.8 + std::abs(i) * 0.8);
        gap.lineTo(cx + i * 3.6, y + 4.4 + std::abs(i) * 0.8);
      }
      Stroke(p, gap, kOutline, 0.9);
      break;
    }
    case MouthKind::Wavy: {
      QPainterPath wave;
      wave.moveTo(cx - 8, y + 2);
      wave.cubicTo(cx - 5.5, y - 1.5, cx - 3, y - 1.5, cx - 1.5, y + 1);
      wave.cubicTo(cx, y + 3.5, cx + 2.5, y + 3.5, cx + 4, y + 0.5);
      wave.cubicTo(cx + 5, y - 1.5, cx + 7, y - 1, cx + 8, y + 1.5);
      Stroke(p, wave, lip.darker(130), 1.7);
      break;
    }
    case MouthKind::Wobbly: {
      QPainterPath wobble;
      wobble.moveTo(cx - 7, y + 4);
      wobble.quadTo(cx - 4.5, y, cx - 2.5, y + 1.5);
      wobble.quadTo(cx, y - 1, cx + 2.5, y + 1.5);
      wobble.quadTo(cx + 4.5, y, cx + 7, y + 4);
      Stroke(p, wobble, lip.darker(130), 1.7);
      break;
    }
    case MouthKind::Flat: {
      QPainterPath line;
      line.moveTo(cx - 3, y + 1.5);
      line.quadTo(cx + 1.5, y + 0.5, cx + 6, y + 2);
      Stroke(p, line, lip.darker(130), 1.7);
      break;
    }
    case MouthKind::Neutral: {
      QPainterPath arc;
      arc.moveTo(cx - 5, y);
      arc.quadTo(cx, y + 2, cx + 5, y);
      Stroke(p, arc, kEyeColour, 1.6);
      break;
    }
  }
}

void DrawNose(QPainter& p, const Frame& f, const GroupLook& look) {
  const qreal y = (f.eyeY + f.mouthY) / 2 + 2;
  QPainterPath nose;
  nose.moveTo(f.c.x() - 1.2, y + 1.2);
  nose.quadTo(f.c.x() + 0.6, y + 2.2, f.c.x() + 1.8, y + 0.6);
  Stroke(p, nose, look.skin.darker(145), 1.3);
}

void DrawBlush(QPainter& p, const Frame& f) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 140, 150, 120));
  for (int side : {-1, 1}) p.drawEllipse(QPointF(f.c.x() + side * (f.eyeDx + 4), f.eyeY + f.eyeRy + 5), 5.2, 3.0);
  p.restore();
}

void DrawMoustache(QPainter& p, const Frame& f, const GroupLook& look) {
  const qreal cx = f.c.x(), y = f.mouthY - 3.5;
  QPainterPath stache;
  stache.moveTo(cx, y - 1);
  stache.cubicTo(cx + 4, y - 3.5, cx + 10, y - 2, cx + 11, y + 2.5);
  stache.cubicTo(cx + 7, y + 1, cx + 3, y + 2, cx, y + 1.2);
  stache.cubicTo(cx - 3, y + 2, cx - 7, y + 1, cx - 11, y + 2.5);
  stache.cubicTo(cx - 10, y - 2, cx - 4, y - 3.5, cx, y - 1);
  stache.closeSubpath();
  FillOutlined(p, stache, look.hairColour, 1.2);
}

void DrawGlasses(QPainter& p, const Frame& f, const GroupLook& look) {
  const QColor frame = look.roundGlasses ? QColor(196, 150, 60) : QColor(60, 52, 70);
  const qreal width = look.roundGlasses ? 1.3 : 1.7;
  p.save();
  p.setBrush(QColor(255, 255, 255, 45));
  p.setPen(QPen(frame, width));
  for (int side : {-1, 1}) {
    const QPointF centre(f.c.x() + side * f.eyeDx, f.eyeY + 0.5);
    if (look.roundGlasses)
      p.drawEllipse(centre, 7.2, 7.2);
    else
      p.drawRoundedRect(QRectF(centre.x() - 8, centre.y() - 5.5, 16, 11), 3, 3);
  }
  const qreal inner = f.eyeDx - (look.roundGlasses ? 7.2 : 8);
  p.drawLine(QPointF(f.c.x() - inner, f.eyeY - 1), QPointF(f.c.x() + inner, f.eyeY - 1));
  p.drawLine(QPointF(f.c.x() - f.eyeDx - 8, f.eyeY - 1), QPointF(f.c.x() - f.rx + 1, f.eyeY - 2));
  p.drawLine(QPointF(f.c.x() + f.eyeDx + 8, f.eyeY - 1), QPointF(f.c.x() + f.rx - 1, f.eyeY - 2));
  p.restore();
}

void DrawSmileLines(QPainter& p, const Frame& f, const GroupLook& look) {
  if (look.stage != Stage::Senior) return;
  for (int side : {-1, 1}) {
    QPainterPath fold;
    fold.moveTo(f.c.x() + side * 9, f.mouthY - 6);
    fold.quadTo(f.c.x() + side * 12, f.mouthY - 1, f.c.x() + side * 10, f.mouthY + 3);
    Stroke(p, fold, look.skin.darker(130), 1.0);
  }
  if (look.hair == HairStyle::BaldSides) {
    for (int i = 0; i < 2; ++i) {
      QPainterPath line;
      const qreal y = f.c.y() - 19 + i * 3.5;
      line.moveTo(f.c.x() - 9 + i, y);
      line.quadTo(f.c.x(), y - 1.5, f.c.x() + 9 - i, y);
      Stroke(p, line, look.skin.darker(130), 1.0);
    }
  }
}

// Marks around the head that make an expression readable from afar.
void DrawEffects(QPainter& p, const Frame& f, Expression e) {
  const QPointF corner(f.c.x() + f.rx + 6, f.c.y() - f.ry + 6);
  switch (e) {
    case Expression::Proud:
      FillOutlined(p, StarPath(corner + QPointF(2, 4), 7, 2.2), QColor(255, 220, 70), 1.1);
      break;
    case Expression::Wink:
      FillOutlined(p, StarPath(corner + QPointF(0, 10), 6.5, 2.6, 5), QColor(255, 214, 60), 1.1);
      FillOutlined(p, StarPath(corner + QPointF(9, 0), 3.8, 1.2), QColor(255, 236, 140), 0.9);
      break;
    case Expression::Joy:
      for (int i = 0; i < 3; ++i) {
        const qreal a = -M_PI / 2 + 0.35 + i * 0.38;
        const QPointF from(f.c.x() + (f.rx + 11) * std::cos(a), f.c.y() + (f.ry + 9) * std::sin(a));
        MarkLine(p, from, from + QPointF(6 * std::cos(a), 6 * std::sin(a)), QColor(240, 140, 30), 2.4);
      }
      break;
    case Expression::Thinking:
      FillOutlined(p, EllipsePath(corner + QPointF(-4, 10), 2.2, 2.2), Qt::white, 1.1);
      FillOutlined(p, EllipsePath(corner + QPointF(1, 3), 3.2, 3.2), Qt::white, 1.1);
      FillOutlined(p, EllipsePath(corner + QPointF(8, -6), 5.5, 5), Qt::white, 1.1);
      break;
    case Expression::Anger: {
      const QPointF mark = corner + QPointF(2, 4);
      const QColor red(230, 50, 60);
      QPainterPath arcs;
      for (int q = 0; q < 4; ++q) {
        const qreal sx = (q % 2 == 0) ? -1 : 1, sy = (q < 2) ? -1 : 1;
        arcs.moveTo(mark + QPointF(sx * 1.8, sy * 6.5));
        arcs.quadTo(mark + QPointF(sx * 1.8, sy * 1.8), mark + QPointF(sx * 6.5, sy * 1.8));
      }
      Stroke(p, arcs, QColor(255, 255, 255), 4.4);
      Stroke(p, arcs, red, 2.4);
      break;
    }
    case Expression::Worry:
      FillOutlined(p, DropPath(corner + QPointF(0, -2), 14), QColor(150, 210, 255), 1.2);
      p.save();
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::white);
      p.drawEllipse(corner + QPointF(-1.6, 7), 1.2, 2);
      p.restore();
      break;
    case Expression::Surprise:
      for (int i = 0; i < 3; ++i) {
        const qreal a = -M_PI * 0.75 + i * 0.45;
        const QPointF from = corner + QPointF(-2, 8) + QPointF(6 * std::cos(a), 6 * std::sin(a));
        MarkLine(p, from, from + QPointF(6 * std::cos(a), 6 * std::sin(a)), kOutline, 2.0);
      }
      break;
    case Expression::Laugh:
      for (int side : {-1, 1}) {
        const QPointF at(f.c.x() + side * (f.rx + 8), f.c.y() + 2);
        MarkLine(p, at + QPointF(0, -4), at + QPointF(side * 3, -7), kOutline, 1.6);
        MarkLine(p, at + QPointF(side * 1, 1), at + QPointF(side * 5, 0), kOutline, 1.6);
      }
      break;
    case Expression::Love:
      FillOutlined(p, HeartPath(corner + QPointF(-1, 7), 10), QColor(240, 80, 110), 1.1);
      FillOutlined(p, HeartPath(corner + QPointF(8, -3), 6.5), QColor(255, 140, 160), 1.0);
      break;
    default:
      break;
  }
}

void DrawQuestionMark(QPainter& p, QPointF at) {
  QPainterPath mark;
  mark.moveTo(at + QPointF(-5, -4));
  mark.cubicTo(at + QPointF(-5, -11), at + QPointF(6, -11), at + QPointF(5, -4));
  mark.cubicTo(at + QPointF(4.5, 0), at + QPointF(0, 0), at + QPointF(0, 4));
  QPainterPathStroker stroker;
  stroker.setWidth(3.4);
  stroker.setCapStyle(Qt::RoundCap);
  stroker.setJoinStyle(Qt::RoundJoin);
  QPainterPath shape = stroker.createStroke(mark);
  shape.addEllipse(at + QPointF(0, 9), 2.2, 2.2);
  FillOutlined(p, shape.simplified(), QColor(176, 140, 230), 1.0);
}

// One 100 x 100 face with its top-left at the painter's origin.
void DrawFace(QPainter& p, int group, Expression e) {
  const GroupLook look = LookOfGroup(group);
  const Frame f = FrameOf(look);
  const Features features = FeaturesOf(e);

  DrawBody(p, f, look);
  DrawBackHair(p, f, look);
  DrawEars(p, f, look);
  const QPainterPath head = HeadPath(f);
  FillOutlined(p, head, look.skin, 1.8);
  // Soft shade under the fringe.
  p.save();
  p.setClipPath(head);
  p.setPen(Qt::NoPen);
  p.setBrush(look.skin.darker(104));
  p.drawEllipse(QPointF(f.c.x(), f.c.y() - f.ry * 0.9), f.rx, f.ry * 0.55);
  p.restore();

  if (features.blush) DrawBlush(p, f);
  DrawSmileLines(p, f, look);
  DrawEyes(p, f, look, features.eyes);
  if (e != Expression::Unnamed) DrawNose(p, f, look);
  if (look.moustache) {
    DrawMouth(p, f, look, features.mouth);
    DrawMoustache(p, f, look);
  } else {
    DrawMouth(p, f, look, features.mouth);
  }
  DrawFrontHair(p, f, look);
  DrawBrows(p, f, look, features.brows);
  if (look.glasses) DrawGlasses(p, f, look);
  DrawEffects(p, f, e);
  if (e == Expression::Unnamed) DrawQuestionMark(p, QPointF(83, 22));
}

}  // namespace

QImage DrawFaceStrip(int strip) {
  QImage image = TransparentImage(kFaceSize * kFacesPerStrip, kFaceSize);
  QPainter p;
  BeginSmooth(p, image);
  for (int picture = 0; picture < kFacesPerStrip; ++picture) {
    p.save();
    p.translate(picture * kFaceSize, 0);
    p.setClipRect(0, 0, kFaceSize, kFaceSize);
    if (strip == 0)
      DrawFace(p, picture, picture == 0 ? Expression::Unnamed : Expression::Portrait);
    else
      DrawFace(p, strip, static_cast<Expression>(picture));
    p.restore();
  }
  p.end();
  return image;
}

QString FaceStripTopic(int strip) {
  static const char* const kTopics[kFaceStripCount] = {
      "portraits",       "women_31_to_40", "girls_up_to_10", "women_11_to_30", "men_over_50",    "women_over_50",
      "boys_up_to_10",   "men_11_to_30",   "men_31_to_40",   "men_41_to_50",   "women_41_to_50",
  };
  return QString::fromLatin1(strip >= 0 && strip < kFaceStripCount ? kTopics[strip] : "unknown");
}

QString ExpressionName(int picture) {
  static const char* const kNames[kFacesPerStrip] = {"proud", "gentle", "wink",  "joy",   "thinking", "tears",
                                                     "anger", "worry",  "surprise", "laugh", "love"};
  return QString::fromLatin1(picture >= 0 && picture < kFacesPerStrip ? kNames[picture] : "unknown");
}

}  // namespace nuvaro::artgen
