// CMonthGrid: the calendar window's grid control. It keeps the shown month, the
// person's name, the engine entries and its own copy of the display settings, and
// repaints the whole month through an off-screen image on every paint.
#pragma once

#include <QWidget>

#include <cstdint>
#include <optional>
#include <string>

#include "calendar/calendar_settings.h"
#include "calendar/day_reading.h"
#include "ui/calendar/month_grid_painter.h"

namespace nuvaro::ui {

class CMonthGrid : public QWidget {
  Q_OBJECT

 public:
  // Starts on today's local month with the settings of Calendar.ini.
  explicit CMonthGrid(QWidget* parent = nullptr);

  void SetMonth(int year, int month);
  int Year() const { return year_; }
  int Month() const { return month_; }
  // CP932 name parts.
  void SetNames(const std::string& surname, const std::string& givenName);
  const std::string& Surname() const { return surname_; }
  const std::string& GivenName() const { return givenName_; }
  // The engine entries readings are asked of; nullopt draws no readings.
  void SetEngine(std::optional<calendar::DayReadingEngine> engine) { engine_ = engine; }
  void SetSettings(const calendar::CalendarSettings& settings) { settings_ = settings; }
  const calendar::CalendarSettings& Settings() const { return settings_; }

  // What the next drawing will show.
  MonthGridRequest Request() const;
  // What the last paint drew (its cells, what it gathered, today's mark).
  const MonthGridDrawing& LastDrawing() const { return lastDrawing_; }
  int PaintCount() const { return paintCount_; }

  // Renders the grid as it appears on the screen into an image of its size.
  QImage RenderImage(qreal devicePixelRatio = 1.0);

  // The tool tip of the day under the point, from the last paint: the day's whole
  // reading (a cell may show only its beginning) and its almanac items; empty elsewhere.
  QString DayToolTip(const QPoint& at) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  std::uint16_t year_ = 0;
  std::uint16_t month_ = 0;
  std::uint16_t day_ = 0;
  std::string surname_;
  std::string givenName_;
  std::optional<calendar::DayReadingEngine> engine_;
  calendar::CalendarSettings settings_;
  MonthGridDrawing lastDrawing_;
  int paintCount_ = 0;
};

}  // namespace nuvaro::ui
