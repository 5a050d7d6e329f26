// The forty named colours of a colour button's palette, in the order shown: eight to a
// row, five rows.
#pragma once

#include <array>

#include "ui/controls/colour_value.h"

namespace nuvaro::ui {

inline constexpr int kPaletteColumns = 8;
inline constexpr int kPaletteRows = 5;
inline constexpr int kPaletteColourCount = kPaletteColumns * kPaletteRows;

struct NamedColour {
  ColourRef colour;
  const char* name;  // UTF-8, shown as the cell's tooltip
};

extern const std::array<NamedColour, kPaletteColourCount> ColourPalette;

// Index of the first palette colour equal to the value (all 32 bits), -1 when none is.
int FindPaletteColour(ColourRef colour);

}  // namespace nuvaro::ui
