// Where the printed month goes on a page, in thousandths of the page's printable width
// and height (each truncated on its own): the title line and the box the grid is
// scaled into.
#pragma once

#include "calendar/month_grid_layout.h"

namespace nuvaro::calendar {

// Gap between the year-month text and the title text, in device pixels.
inline constexpr int kPrintTitleGap = 30;

struct CalendarPageLayout {
  int titleCharacterHeight = 0;  // 26 / 1000 of the height
  GridPoint titleOrigin;         // top-left of the year-month text: (10 / 1000 W, 30 / 1000 H)
  GridRect box;                  // the grid's box
};

// The page of width w and height h in device pixels. The box is 10 / 1000 W from the
// left and 61 / 1000 H from the top; its width is 1000 / 1000 W on a portrait page and
// 990 / 1000 W otherwise, less 31 / 1000 H; its height 939 / 1000 H less 31 / 1000 H.
CalendarPageLayout LayOutCalendarPage(int w, int h);

}  // namespace nuvaro::calendar
