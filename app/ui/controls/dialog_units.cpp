#include "ui/controls/dialog_units.h"

namespace nuvaro::ui {
namespace {

// units * base / divisor, rounded to nearest with halves away from zero.
int Scale(int units, int base, int divisor) {
  long long product = static_cast<long long>(units) * base;
  long long half = divisor / 2;
  long long rounded = product >= 0 ? (product + half) / divisor : -((-product + half) / divisor);
  return static_cast<int>(rounded);
}

}  // namespace

int DialogUnitsToPixelsX(int units) { return Scale(units, kDialogBaseUnitX, 4); }
int DialogUnitsToPixelsY(int units) { return Scale(units, kDialogBaseUnitY, 8); }

QRect DialogRectToPixels(int x, int y, int width, int height) {
  return QRect(DialogUnitsToPixelsX(x), DialogUnitsToPixelsY(y), DialogUnitsToPixelsX(width),
               DialogUnitsToPixelsY(height));
}

QSize DialogSizeToPixels(int width, int height) { return QSize(DialogUnitsToPixelsX(width), DialogUnitsToPixelsY(height)); }

}  // namespace nuvaro::ui
