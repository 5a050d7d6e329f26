// Where the guide menu puts its headings and entries. The form is laid out in dialog
// units (448 x 340, two columns of 190 x 254 at (27, 32) and (227, 32), the fixed
// entry's line of 391 x 14 at (27, 298)), turned into pixels with the dialog font's
// base units; the rows are placed in pixels from there.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

#include "core/guide_menu_model.h"
#include "ui/controls/dialog_units.h"

namespace nuvaro::ui {

struct GuideFormGeometry {
  QSize form;
  QRect leftColumn;
  QRect rightColumn;
  QRect fixedEntryLine;
};

// The form's placeholders in pixels.
GuideFormGeometry GuideFormPlaceholders();

// Row spacing and the offsets of an entry's picture and button from the row's origin.
inline constexpr int kGuideRowStep = 30;
inline constexpr int kGuidePictureOffsetX = 20;
inline constexpr int kGuideButtonOffsetX = 57;
inline constexpr int kGuidePictureSize = 32;

struct GuideRow {
  enum class Kind { Heading, Entry };
  Kind kind = Kind::Entry;
  int itemIndex = 0;  // into the items the rows were laid out from
  QPoint origin;      // (x, y) of the row: the heading's top-left corner
  QPoint PictureTopLeft() const { return origin + QPoint(kGuidePictureOffsetX, 0); }
  QPoint ButtonTopLeft() const { return origin + QPoint(kGuideButtonOffsetX, 0); }
};

// The rows of the menu in creation order: a heading before every item that starts a
// group, one entry per item that has one (group 6 has none). Each row moves the next
// one 30 pixels down; once y is no longer above the left column's bottom, the next row
// goes to the top of the right column (the test keeps using the left column's bottom,
// so rows that overflow the right column start again at its top).
std::vector<GuideRow> LayoutGuideRows(const std::vector<core::GuideMenuItem>& items, const GuideFormGeometry& form);

}  // namespace nuvaro::ui
