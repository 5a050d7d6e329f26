// The shared look of all artwork: one outline colour, one palette of friendly tones,
// and small drawing helpers, so faces, buttons and pictures read as one family.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace nuvaro::artgen {

// Dark warm brown used for every outline (softer than black).
inline const QColor kOutline(84, 56, 44);
// The transparent colour of the face strips: pure magenta.
inline constexpr QRgb kMagenta = 0xFFFF00FF;
// The mask colour of the chart's row images: light grey 192.
inline constexpr QRgb kChartMask = 0xFFC0C0C0;
// Fill of the fortune calendar window (0x00E0D9FF as a Qt colour).
inline const QColor kCalendarBackground(255, 217, 224);
// Lilac ellipse behind the user's face on the board.
inline const QColor kUserLilac(204, 153, 204);
// Navy of the calendar's month label.
inline const QColor kNavy(0, 0, 128);

// A new ARGB image of the given size filled with full transparency.
QImage TransparentImage(int width, int height);

// A painter on an image with antialiasing switched on.
void BeginSmooth(QPainter& painter, QImage& image);

// Fills a path and strokes it with the outline colour.
void FillOutlined(QPainter& painter, const QPainterPath& path, const QBrush& fill, qreal outlineWidth = 1.6);

// Ellipse path around a centre.
QPainterPath EllipsePath(QPointF centre, qreal rx, qreal ry);

// A heart of the given height, its point at the bottom.
QPainterPath HeartPath(QPointF centre, qreal size);

// A star with `points` tips, the first pointing up.
QPainterPath StarPath(QPointF centre, qreal outer, qreal inner, int points = 4);

// Lighter or darker version of a colour (factor in percent as QColor::lighter).
QColor Shade(const QColor& colour, int percent);

}  // namespace nuvaro::artgen
