// Dialog units, the measure of the program's dialog layouts, turned into pixels with
// the base units of the dialog font: 1 horizontal dialog unit = 6 / 4 pixel, 1 vertical
// unit = 12 / 8 pixel.
#pragma once

#include <QRect>
#include <QSize>

namespace nuvaro::ui {

inline constexpr int kDialogBaseUnitX = 6;
inline constexpr int kDialogBaseUnitY = 12;

// Dialog units to pixels, rounded to the nearest pixel (halves away from zero).
int DialogUnitsToPixelsX(int units);
int DialogUnitsToPixelsY(int units);
QRect DialogRectToPixels(int x, int y, int width, int height);
QSize DialogSizeToPixels(int width, int height);

}  // namespace nuvaro::ui
