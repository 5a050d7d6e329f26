#include "ui/controls/palette_navigation.h"

#include <vector>

#include "ui/controls/colour_palette.h"
#include "ui/controls/palette_layout.h"

namespace nuvaro::ui {
namespace {

bool IsColourCell(int cell) { return cell >= 0 && cell < kPaletteColourCount; }

// Position of a value in a sequence, -1 when absent.
int PositionOf(const std::vector<int>& sequence, int value) {
  for (std::size_t i = 0; i < sequence.size(); ++i) {
    if (sequence[i] == value) return static_cast<int>(i);
  }
  return -1;
}

// One step forward or back in a sequence, wrapping; from outside it enters at the
// first element going forward and at the last going back.
int Step(const std::vector<int>& sequence, int position, int step) {
  const int size = static_cast<int>(sequence.size());
  if (position < 0) return sequence[static_cast<std::size_t>(step > 0 ? 0 : size - 1)];
  return sequence[static_cast<std::size_t>((position + step + size) % size)];
}

}  // namespace

PaletteNavigator::PaletteNavigator(bool hasTopRow, bool hasBottomRow)
    : hasTopRow_(hasTopRow), hasBottomRow_(hasBottomRow) {}

void PaletteNavigator::NoteCell(int cell) {
  if (IsColourCell(cell)) column_ = cell % kPaletteColumns;
}

int PaletteNavigator::Move(int current, PaletteKey key) {
  NoteCell(current);
  int next = current;
  switch (key) {
    case PaletteKey::Left:
      next = MoveAlongRows(current, -1);
      break;
    case PaletteKey::Right:
      next = MoveAlongRows(current, +1);
      break;
    case PaletteKey::Up:
      next = MoveAcrossRows(current, -1);
      break;
    case PaletteKey::Down:
      next = MoveAcrossRows(current, +1);
      break;
  }
  NoteCell(next);
  return next;
}

int PaletteNavigator::MoveAlongRows(int current, int step) const {
  std::vector<int> order;
  if (hasTopRow_) order.push_back(kPaletteTopRow);
  for (int cell = 0; cell < kPaletteColourCount; ++cell) order.push_back(cell);
  if (hasBottomRow_) order.push_back(kPaletteBottomRow);
  return Step(order, PositionOf(order, current), step);
}

int PaletteNavigator::MoveAcrossRows(int current, int step) const {
  // Lines from top to bottom; a grid row is given by its first cell.
  std::vector<int> lines;
  if (hasTopRow_) lines.push_back(kPaletteTopRow);
  for (int row = 0; row < kPaletteRows; ++row) lines.push_back(row * kPaletteColumns);
  if (hasBottomRow_) lines.push_back(kPaletteBottomRow);

  int line = IsColourCell(current) ? current - current % kPaletteColumns : current;
  int next = Step(lines, PositionOf(lines, line), step);
  return IsColourCell(next) ? next + column_ : next;
}

}  // namespace nuvaro::ui
