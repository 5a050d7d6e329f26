// Colours and fonts of the frame's bars, kept in one place so the bars match.
#pragma once

#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRect>
#include <QString>

namespace nuvaro::ui {

inline const QColor kBarTopColour(255, 236, 214);
inline const QColor kBarBottomColour(250, 206, 170);
inline const QColor kBarLineColour(214, 150, 110);
inline const QColor kBarTextColour(96, 48, 32);
inline const QColor kBoardBarTopColour(255, 244, 230);
inline const QColor kBoardBarBottomColour(246, 222, 200);

// The bars' background: a soft vertical gradient with a line along the bottom edge.
inline void PaintBarBackground(QPainter& painter, const QRect& area) {
  QLinearGradient fill(0, area.top(), 0, area.bottom() + 1);
  fill.setColorAt(0, kBarTopColour);
  fill.setColorAt(1, kBarBottomColour);
  painter.fillRect(area, fill);
  painter.setPen(kBarLineColour);
  painter.drawLine(area.left(), area.bottom(), area.right() + 1, area.bottom());
}

// A font by one of the program's face names at a pixel height.
inline QFont BarFont(const char* faceUtf8, int pixels, bool bold) {
  QFont font(QString::fromUtf8(faceUtf8));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

}  // namespace nuvaro::ui
