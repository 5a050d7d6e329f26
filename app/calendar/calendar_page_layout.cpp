#include "calendar/calendar_page_layout.h"

namespace nuvaro::calendar {

namespace {
// Thousandths of a length, truncated.
int Per1000(int length, int thousandths) { return static_cast<int>(static_cast<long long>(length) * thousandths / 1000); }
}  // namespace

CalendarPageLayout LayOutCalendarPage(int w, int h) {
  CalendarPageLayout page;
  page.titleCharacterHeight = Per1000(h, 26);
  page.titleOrigin = {Per1000(w, 10), Per1000(h, 30)};
  int left = Per1000(w, 10);
  int top = Per1000(h, 61);
  int width = (w < h ? Per1000(w, 1000) : Per1000(w, 990)) - Per1000(h, 31);
  int height = Per1000(h, 939) - Per1000(h, 31);
  page.box = {left, top, left + width, top + height};
  return page;
}

}  // namespace nuvaro::calendar
