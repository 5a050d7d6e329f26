// DrawMonthGrid: draws the fortune calendar's month, the weekday header, every day
// cell with its texts and face, the grid lines and the etched edge, onto any painter:
// the screen's off-screen image, a printer page or a PDF. Everything shown is gathered
// anew for each drawing.
#pragma once

#include <QPainter>
#include <QRect>

#include <optional>
#include <string>

#include "calendar/calendar_settings.h"
#include "calendar/day_reading.h"
#include "calendar/month_drawing_data.h"
#include "calendar/month_grid_layout.h"

namespace nuvaro::ui {

// What a drawing shows.
struct MonthGridRequest {
  int year = 2000;
  int month = 1;
  std::string surname;    // CP932
  std::string givenName;  // CP932
  calendar::CalendarSettings settings;
  // The engine entries the readings are asked of; null draws no readings.
  const calendar::DayReadingEngine* engine = nullptr;
  // Where the month's holidays and labels come from instead of the settings' choices
  // (a benchmark's baseline); empty: from the choices.
  std::optional<calendar::MonthSources> sources;
};

// What a drawing did: its cells and what it gathered (for tests and the printer).
struct MonthGridDrawing {
  calendar::MonthGridLayout layout;
  calendar::MonthDrawingData data;
  int todayDay = 0;  // the day filled as today, 0 for none
};

// Colour on the screen of today's cell (0x00BBGGRR).
inline constexpr std::uint32_t kTodayFill = 0xCCFFFF;

// Draws the month into `target` (the grid's own coordinates). With printFlag 0 the cell
// of today's local date is filled when today lies in the month; a printed page has no
// today mark.
MonthGridDrawing DrawMonthGrid(QPainter& painter, const QRect& target, const MonthGridRequest& request, int printFlag);

}  // namespace nuvaro::ui
