// Geometry of the fortune calendar's month grid: the day cells, the weekday header
// boxes and the places of the texts inside one cell, all by integer arithmetic on the
// target rectangle, so the screen and the printed page share them exactly.
#pragma once

#include <array>

namespace nuvaro::calendar {

inline constexpr int kGridColumns = 7;
inline constexpr int kGridMaxRows = 6;
inline constexpr int kGridCells = kGridColumns * kGridMaxRows;
// Space above the cells for the weekday header, and the header's top and bottom.
inline constexpr int kHeaderSpace = 15;
inline constexpr int kHeaderTop = 3;
inline constexpr int kHeaderBottom = 15;
// Size of the day face picture and its place from the cell's top-right corner.
inline constexpr int kDayFaceSize = 16;
inline constexpr int kDayFaceRightInset = 18;
inline constexpr int kDayFaceTopInset = 2;

struct GridRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const GridRect&) const = default;
};

struct GridPoint {
  int x = 0;
  int y = 0;
  bool operator==(const GridPoint&) const = default;
};

struct MonthCell {
  GridRect rect;
  int day = 0;         // 1 .. days, 0 for a cell without a day
  bool laidOut = false;  // the cell's row is one of the month's rows
};

struct MonthGridLayout {
  int firstWeekday = 0;  // weekday of the 1st, 0 = Sunday
  int days = 0;
  int rows = 0;
  std::array<MonthCell, kGridCells> cells{};  // row by row, column 0 = Sunday

  const MonthCell& Cell(int row, int column) const { return cells[row * kGridColumns + column]; }
  // The cell of a day of the month (1 .. days).
  const MonthCell& DayCell(int day) const { return cells[firstWeekday + day - 1]; }
};

// Rows a month needs: ceil((days + firstWeekday) / 7), at most 6.
int MonthRows(int firstWeekday, int days);

// Lays the month out in the target rectangle: column width (R - L - 5) / 7, row height
// (B - 5 - (T + 15)) / rows, the 1st in row 0 at its weekday's column.
MonthGridLayout LayOutMonth(int year, int month, GridRect target);

// The header box of a weekday column (y in the grid's own coordinates, 3 to 15).
GridRect HeaderBox(const MonthGridLayout& layout, int column);

// Where the texts of one day cell go.
struct DayCellAreas {
  GridRect dayNumber;    // top-left quarter
  GridRect holidayName;  // right of the number, upper half of its height
  GridRect oldCalendar;  // full width below the number, H / 8 high
  GridRect rokuyou;      // right of the number, lower half of its height
  GridRect reading;      // the rest of the cell, indented by W / 16
  GridRect almanac;      // the reading's last H / 8, for a day with almanac items
  GridPoint face;        // top-left corner of the 16 x 16 face
};
DayCellAreas CellAreas(const GridRect& cell);

// Character height of a single-line label in a rectangle: its height minus 2.
int LabelCharacterHeight(const GridRect& rect);
// Character height of the word-wrapped reading: the rectangle's height / 5 - 1.
int ReadingCharacterHeight(const GridRect& rect);

}  // namespace nuvaro::calendar
