// Arrow-key movement of the palette's hot cell. Left and Right walk through the cells
// in reading order (top row, the forty colours, bottom row) and wrap around; Up and
// Down step between the grid's rows and the text rows, wrap around, and keep the grid
// column the user was in, also across a text row.
#pragma once

namespace nuvaro::ui {

enum class PaletteKey { Left, Right, Up, Down };

class PaletteNavigator {
 public:
  PaletteNavigator(bool hasTopRow, bool hasBottomRow);

  // The cell that becomes hot when the key is pressed on the current cell.
  int Move(int current, PaletteKey key);
  // Remembers the column of a cell that became hot otherwise (by the mouse).
  void NoteCell(int cell);

 private:
  int MoveAlongRows(int current, int step) const;
  int MoveAcrossRows(int current, int step) const;

  bool hasTopRow_;
  bool hasBottomRow_;
  int column_ = 0;
};

}  // namespace nuvaro::ui
