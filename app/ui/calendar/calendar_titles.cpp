#include "ui/calendar/calendar_titles.h"

#include <cstdio>

#include "calendar/calendar_window_texts.h"

namespace nuvaro::ui {

std::string YearMonthText(int year, int month) {
  char text[64];
  std::snprintf(text, sizeof text, calendar_texts::kYearMonthFormat.data(), year, month);
  return text;
}

std::string CalendarTitleText(const std::string& surname, const std::string& givenName) {
  // Names are at most a few dozen bytes; the buffer takes any length.
  std::string text(calendar_texts::kTitleFormat.size() + surname.size() + givenName.size() + 1, '\0');
  int length = std::snprintf(text.data(), text.size(), calendar_texts::kTitleFormat.data(), surname.c_str(),
                             givenName.c_str());
  text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
  return text;
}

}  // namespace nuvaro::ui
