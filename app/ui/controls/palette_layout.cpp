#include "ui/controls/palette_layout.h"

#include <algorithm>

#include "ui/controls/colour_palette.h"

namespace nuvaro::ui {

int PaletteCellSize(int edgeWidth) { return std::max(kPaletteMinimumCellSize, 2 * edgeWidth + 7); }

QRect PaletteLayout::CellRect(int cell) const {
  if (cell == kPaletteTopRow) return topRow;
  if (cell == kPaletteBottomRow) return bottomRow;
  if (cell < 0 || cell >= kPaletteColourCount) return {};
  int row = cell / kPaletteColumns;
  int column = cell % kPaletteColumns;
  return QRect(grid.left() + column * cellSize, grid.top() + row * cellSize, cellSize, cellSize);
}

int PaletteLayout::CellAt(const QPoint& point) const {
  if (HasTopRow() && topRow.contains(point)) return kPaletteTopRow;
  if (HasBottomRow() && bottomRow.contains(point)) return kPaletteBottomRow;
  if (!grid.contains(point)) return kPaletteNoCell;
  int column = (point.x() - grid.left()) / cellSize;
  int row = (point.y() - grid.top()) / cellSize;
  return row * kPaletteColumns + column;
}

PaletteLayout ComputePaletteLayout(int margin, std::optional<QSize> topText, std::optional<QSize> bottomText) {
  PaletteLayout layout;
  layout.margin = margin;
  layout.cellSize = PaletteCellSize(margin);
  const int gridWidth = kPaletteColumns * layout.cellSize;
  const int gridHeight = kPaletteRows * layout.cellSize;

  int largestWidth = 0;
  int largestHeight = 0;
  for (const auto& text : {topText, bottomText}) {
    if (!text) continue;
    largestWidth = std::max(largestWidth, text->width());
    largestHeight = std::max(largestHeight, text->height());
  }
  const int textWidth = largestWidth + 2 * margin;
  const int rowHeight = largestHeight + 4 * margin + 2;

  int width = gridWidth + 2 * margin;
  int height = gridHeight + 2 * margin;
  // Either row widens the window to its text; a wide bottom text alone would
  // otherwise be cut off.
  if (topText || bottomText) width = std::max(width, textWidth);

  int gridTop = margin;
  if (topText) {
    layout.topRow = QRect(margin, margin, width - 2 * margin, rowHeight);
    gridTop += rowHeight + margin;
    height += rowHeight + 2 * margin;
  }
  layout.grid = QRect(margin, gridTop, gridWidth, gridHeight);
  if (bottomText) {
    layout.bottomRow = QRect(margin, gridTop + gridHeight + margin, width - 2 * margin, rowHeight);
    height += rowHeight + 2 * margin;
  }
  layout.windowSize = QSize(width, height);
  return layout;
}

QPoint PlacePalette(const QRect& button, const QSize& windowSize, const QRect& screen) {
  int x = button.left();
  int y = button.top() + button.height();
  const int screenRight = screen.left() + screen.width();
  const int screenBottom = screen.top() + screen.height();
  if (x + windowSize.width() > screenRight) x = screenRight - windowSize.width();
  if (x < screen.left()) x = screen.left();
  if (y + windowSize.height() > screenBottom) y = button.top() - windowSize.height();
  // On a screen too low for either side the window keeps its top on the screen.
  if (y < screen.top()) y = screen.top();
  return {x, y};
}

int InitialPaletteCell(ColourRef openingColour, bool hasTopRow, bool hasBottomRow) {
  int index = FindPaletteColour(openingColour);
  if (index >= 0) return index;
  if (openingColour == kNoColour && hasTopRow) return kPaletteTopRow;
  if (hasBottomRow) return kPaletteBottomRow;
  return kPaletteNoCell;
}

}  // namespace nuvaro::ui
