// Dialog units, the unit the program's dialog templates are laid out in, turned into
// pixels with the base units of the dialog font.
#pragma once

#include <QRect>

namespace nuvaro::ui {

// Base units of the dialog font: 1 horizontal dialog unit = 6 / 4 pixel, 1 vertical
// unit = 12 / 8 pixel.
inline constexpr int kDialogBaseUnitX = 6;
inline constexpr int kDialogBaseUnitY = 12;

// Dialog units to pixels, rounded to the nearest pixel (halves away from zero).
int DialogUnitsToPixelsX(int units);
int DialogUnitsToPixelsY(int units);
QRect DialogRectToPixels(int x, int y, int width, int height);

}  // namespace nuvaro::ui
