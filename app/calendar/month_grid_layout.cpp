#include "calendar/month_grid_layout.h"

#include "calendar/civil_date.h"

namespace nuvaro::calendar {

namespace {
// The grid keeps this margin on the right and at the bottom.
constexpr int kGridMargin = 5;
// Header boxes are inset this far from their column's edges.
constexpr int kHeaderInset = 2;
}  // namespace

int MonthRows(int firstWeekday, int days) {
  int rows = (days + firstWeekday + kGridColumns - 1) / kGridColumns;
  return rows > kGridMaxRows ? kGridMaxRows : rows;
}

MonthGridLayout LayOutMonth(int year, int month, GridRect target) {
  MonthGridLayout layout;
  layout.firstWeekday = DayOfWeek(year, month, 1);
  layout.days = DaysInMonth(year, month);
  layout.rows = MonthRows(layout.firstWeekday, layout.days);
  int w = (target.right - target.left - kGridMargin) / kGridColumns;
  int h = (target.bottom - kGridMargin - (target.top + kHeaderSpace)) / layout.rows;
  for (int r = 0; r < layout.rows; ++r) {
    for (int c = 0; c < kGridColumns; ++c) {
      MonthCell& cell = layout.cells[r * kGridColumns + c];
      cell.rect = {target.left + c * w, target.top + kHeaderSpace + r * h, target.left + (c + 1) * w,
                   target.top + kHeaderSpace + (r + 1) * h};
      cell.laidOut = true;
      int day = r * kGridColumns + c - layout.firstWeekday + 1;
      cell.day = day >= 1 && day <= layout.days ? day : 0;
    }
  }
  return layout;
}

GridRect HeaderBox(const MonthGridLayout& layout, int column) {
  const GridRect& cell = layout.cells[column].rect;
  return {cell.left + kHeaderInset, kHeaderTop, cell.right - kHeaderInset, kHeaderBottom};
}

DayCellAreas CellAreas(const GridRect& cell) {
  const int L = cell.left, T = cell.top, R = cell.right, B = cell.bottom;
  const int W = R - L, H = B - T;
  DayCellAreas areas;
  areas.dayNumber = {L, T, L + W / 4, T + H / 4};
  areas.holidayName = {L + W / 4, T, R, T + (H / 4) / 2};
  areas.oldCalendar = {L, T + H / 4, R, T + H / 4 + H / 8};
  areas.rokuyou = {L + W / 4, T + H / 8, R, T + H / 8 + H / 8};
  areas.reading = {L + W / 16, T + H / 4 + H / 8 + H / 16, R, B};
  areas.almanac = {L + W / 16, B - H / 8, R, B};
  areas.face = {R - kDayFaceRightInset, T + kDayFaceTopInset};
  return areas;
}

int LabelCharacterHeight(const GridRect& rect) { return rect.Height() - 2; }

int ReadingCharacterHeight(const GridRect& rect) { return rect.Height() / 5 - 1; }

}  // namespace nuvaro::calendar
