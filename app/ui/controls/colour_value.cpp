#include "ui/controls/colour_value.h"

namespace nuvaro::ui {

QColor ToQColor(ColourRef colour) {
  return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                static_cast<int>((colour >> 16) & 0xFFu));
}

ColourRef FromQColor(const QColor& colour) {
  QColor rgb = colour.toRgb();
  return MakeColourRef(rgb.red(), rgb.green(), rgb.blue());
}

}  // namespace nuvaro::ui
