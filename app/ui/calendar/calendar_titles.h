// The two title texts of the calendar, shared by the window and the printed page.
#pragma once

#include <string>

namespace nuvaro::ui {

// "%d年%d月" (CP932).
std::string YearMonthText(int year, int month);
// "●%s%sさんの運勢カレンダー" with the two name parts (CP932).
std::string CalendarTitleText(const std::string& surname, const std::string& givenName);

}  // namespace nuvaro::ui
