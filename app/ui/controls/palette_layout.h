// Geometry of a colour button's palette window: the optional top text row, the grid of
// 8 × 5 colour cells, the optional bottom text row, hit testing, the cell a palette
// starts on, and where the window goes so that it stays on the screen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

#include "ui/controls/colour_value.h"

namespace nuvaro::ui {

// Cells are numbered 0 to 39 for the colours; these name the rest.
inline constexpr int kPaletteNoCell = -1;
inline constexpr int kPaletteBottomRow = -2;
inline constexpr int kPaletteTopRow = -3;

inline constexpr int kPaletteMinimumCellSize = 18;

// The side of one colour cell for the platform's edge width.
int PaletteCellSize(int edgeWidth);

struct PaletteLayout {
  int margin = 0;
  int cellSize = 0;
  QSize windowSize;
  QRect grid;       // all 40 cells
  QRect topRow;     // null when there is no top text
  QRect bottomRow;  // null when there is no bottom text

  bool HasTopRow() const { return !topRow.isNull(); }
  bool HasBottomRow() const { return !bottomRow.isNull(); }
  // Rectangle of a colour cell or a text row; null for anything else.
  QRect CellRect(int cell) const;
  // The cell or row under a point of the window, kPaletteNoCell when none.
  int CellAt(const QPoint& point) const;
};

// Lays the palette out. The text sizes are those of the two texts in the palette's
// font; nullopt means the text is empty and its row is left out.
PaletteLayout ComputePaletteLayout(int margin, std::optional<QSize> topText, std::optional<QSize> bottomText);

// Top-left corner of the palette: below the button's bottom-left corner, moved left
// when it passes the screen's right edge, right when it passes the left edge, and
// above the button when it passes the bottom edge.
QPoint PlacePalette(const QRect& button, const QSize& windowSize, const QRect& screen);

// The cell a palette starts on for its opening colour: the first palette colour equal
// to it, else the top row for "no colour", else the bottom row, else none.
int InitialPaletteCell(ColourRef openingColour, bool hasTopRow, bool hasBottomRow);

}  // namespace nuvaro::ui
