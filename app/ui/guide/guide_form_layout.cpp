#include "ui/guide/guide_form_layout.h"

namespace nuvaro::ui {

GuideFormGeometry GuideFormPlaceholders() {
  GuideFormGeometry geometry;
  geometry.form = QSize(DialogUnitsToPixelsX(448), DialogUnitsToPixelsY(340));
  geometry.leftColumn = DialogRectToPixels(27, 32, 190, 254);
  geometry.rightColumn = DialogRectToPixels(227, 32, 190, 254);
  geometry.fixedEntryLine = DialogRectToPixels(27, 298, 391, 14);
  return geometry;
}

std::vector<GuideRow> LayoutGuideRows(const std::vector<core::GuideMenuItem>& items, const GuideFormGeometry& form) {
  std::vector<GuideRow> rows;
  // QRect::bottom() is the last pixel row; the column ends below it.
  const int columnEnd = form.leftColumn.top() + form.leftColumn.height();
  QPoint position = form.leftColumn.topLeft();
  auto applyColumnRule = [&] {
    if (position.y() >= columnEnd) position = form.rightColumn.topLeft();
  };
  for (std::size_t i = 0; i < items.size(); ++i) {
    const core::GuideMenuItem& item = items[i];
    if (!item.hasEntry) continue;
    if (item.startsGroup) {
      rows.push_back({GuideRow::Kind::Heading, static_cast<int>(i), position});
      position.ry() += kGuideRowStep;
      applyColumnRule();
    }
    rows.push_back({GuideRow::Kind::Entry, static_cast<int>(i), position});
    position.ry() += kGuideRowStep;
    applyColumnRule();
  }
  return rows;
}

}  // namespace nuvaro::ui
