// Colours as the program stores them: 32-bit values 0x00BBGGRR (red in the low byte),
// and their conversion to and from QColor.
#pragma once

#include <QColor>

#include <cstdint>

namespace nuvaro::ui {

using ColourRef = std::uint32_t;

// A colour button's "no colour chosen".
inline constexpr ColourRef kNoColour = 0xFF000000u;

constexpr ColourRef MakeColourRef(int red, int green, int blue) {
  return static_cast<ColourRef>(red & 0xFF) | (static_cast<ColourRef>(green & 0xFF) << 8) |
         (static_cast<ColourRef>(blue & 0xFF) << 16);
}

// The opaque colour of the low three bytes; the high byte is ignored.
QColor ToQColor(ColourRef colour);

// The colour's red, green and blue as 0x00BBGGRR; alpha is dropped.
ColourRef FromQColor(const QColor& colour);

}  // namespace nuvaro::ui
