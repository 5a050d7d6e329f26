#include "contact_sheet.h"

#include <QFont>
#include <QPainter>

#include <algorithm>

namespace nuvaro::artgen {

QImage ContactSheet(const QString& title, const QList<SheetItem>& items, const QColor& background, int columns) {
  const int margin = 12, labelHeight = 16, titleHeight = 24;
  int cellWidth = 60, cellHeight = 20;
  for (const SheetItem& item : items) {
    cellWidth = std::max(cellWidth, item.picture.width() * item.scale);
    cellHeight = std::max(cellHeight, item.picture.height() * item.scale);
  }
  const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
  QImage sheet(margin + columns * (cellWidth + margin), titleHeight + margin + rows * (cellHeight + labelHeight + margin),
               QImage::Format_ARGB32);
  sheet.fill(background);
  QPainter p(&sheet);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(11);
  p.setFont(font);
  p.setPen(background.lightness() > 128 ? Qt::black : Qt::white);
  p.drawText(QRect(margin, 4, sheet.width() - 2 * margin, titleHeight - 4), Qt::AlignLeft | Qt::AlignVCenter, title);
  for (int i = 0; i < items.size(); ++i) {
    const SheetItem& item = items[i];
    const int x = margin + (i % columns) * (cellWidth + margin);
    const int y = titleHeight + margin + (i / columns) * (cellHeight + labelHeight + margin);
    const QImage shown = item.scale == 1 ? item.picture
                                          : item.picture.scaled(item.picture.size() * item.scale, Qt::IgnoreAspectRatio,
                                                                Qt::FastTransformation);
    p.drawImage(x, y, shown);
    p.drawText(QRect(x, y + cellHeight, cellWidth, labelHeight), Qt::AlignLeft | Qt::AlignVCenter, item.label);
  }
  return sheet;
}

}  // namespace nuvaro::artgen
