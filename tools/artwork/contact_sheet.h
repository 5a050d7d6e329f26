// Preview sheets: the stored pictures shown the way the program shows them (transparent
// colour keyed out, on the backgrounds they appear on), for looking at the artwork.
#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

namespace nuvaro::artgen {

struct SheetItem {
  QString label;
  QImage picture;  // already keyed (alpha where the program makes it transparent)
  int scale = 1;   // drawn enlarged by this factor (pixel-exact)
};

// Rows of items on one background, each item labelled underneath.
QImage ContactSheet(const QString& title, const QList<SheetItem>& items, const QColor& background, int columns);

}  // namespace nuvaro::artgen
