// CalendarWindow: the modal fortune calendar "運勢カレンダー" for the board's user: the
// title with the person's name (a click changes the name), the year and month, month
// steps by buttons and the mouse wheel, the year-month dialog, the settings sheet,
// printing and the month grid.
#pragma once

#include <QBasicTimer>
#include <QDialog>

#include <functional>
#include <optional>
#include <string>

#include "calendar/calendar_settings.h"
#include "calendar/day_reading.h"
#include "platform/core/ini_file.h"

class QLabel;
class QPrinter;

namespace nuvaro::core {
class CFace;
class EngineBinding;
}  // namespace nuvaro::core

namespace nuvaro::ui {

class CHoverButton;
class CLinkLabel;
class CMonthGrid;

// Control ids of the window.
inline constexpr int kCalendarTitleId = 1045;
inline constexpr int kCalendarYearMonthId = 1010;
inline constexpr int kCalendarPreviousId = 1007;
inline constexpr int kCalendarThisMonthId = 1006;
inline constexpr int kCalendarNextId = 1008;
inline constexpr int kCalendarChooseMonthId = 1040;
inline constexpr int kCalendarSettingsId = 1001;
inline constexpr int kCalendarPrintId = 1000;
inline constexpr int kCalendarBackId = 1;
inline constexpr int kCalendarLuckyDayId = 1060;
inline constexpr int kCalendarExportId = 1061;
inline constexpr int kCalendarGridId = 1004;
// The command the title label sends when clicked.
inline constexpr int kCalendarNameCommand = 100;
// Background of the window (0x00BBGGRR).
inline constexpr std::uint32_t kCalendarBackground = 0xE0D9FF;
// One wheel notch, and the delay of the month step it starts.
inline constexpr int kWheelNotch = 120;
inline constexpr int kWheelStepDelayMs = 100;

// The engine entries of a bound engine; nullopt when it is not loaded.
std::optional<calendar::DayReadingEngine> CalendarEngine(const core::EngineBinding& engine);

// Opens the calendar modally for the board's user with the bound engine.
void RunCalendarWindow(const core::CFace& faces, const core::EngineBinding& engine, QWidget* parent);

// The grid's size in pixels as the window lays it out (438 x 323 dialog units).
QSize CalendarGridSize();

class CalendarWindow : public QDialog {
  Q_OBJECT

 public:
  // Runs the print dialog on the printer; true to print. Replaceable for tests.
  using PrintDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;

  CalendarWindow(const core::CFace& faces, std::optional<calendar::DayReadingEngine> engine,
                 QWidget* parent = nullptr);

  int Year() const;
  int Month() const;
  const std::string& Surname() const { return surname_; }
  const std::string& GivenName() const { return givenName_; }
  const calendar::CalendarSettings& Settings() const { return settings_; }

  CMonthGrid* Grid() const { return grid_; }
  CLinkLabel* TitleLabel() const { return titleLabel_; }
  CLinkLabel* YearMonthLabel() const { return yearMonthLabel_; }
  // Beside the title: shown while the engine cannot count the name's strokes.
  QLabel* NameNote() const { return nameNote_; }
  CHoverButton* Button(int id) const;

  static PrintDialog SetPrintDialog(PrintDialog dialog);

 public slots:
  void PreviousMonth();
  void ThisMonth();
  void NextMonth();
  // Shows a month (kept within 2000-01 .. 2099-12).
  void ShowMonth(int year, int month);
  void ChooseYearMonth();
  void EditNames();
  void EditCalendarSettings();
  void Print();
  // The lucky-day search; a day double-clicked there shows its month.
  void FindLuckyDays();
  // The iCalendar export of the shown month, the shown year or a range.
  void ExportCalendar();

 protected:
  bool event(QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  void SetNames(const std::string& surname, const std::string& givenName);
  void ShowYearMonthText();
  CHoverButton* MakeButton(int id, int bitmap, int frames, const QString& caption, int x, int y, int w, int h);

  const core::CFace& faces_;
  platform::IniFile ini_;
  calendar::CalendarSettings settings_;
  std::string surname_;
  std::string givenName_;
  std::optional<calendar::DayReadingEngine> engine_;
  CLinkLabel* titleLabel_;
  QLabel* nameNote_;
  CLinkLabel* yearMonthLabel_;
  CMonthGrid* grid_;
  std::vector<std::pair<int, CHoverButton*>> buttons_;
  QBasicTimer previousTimer_;  // timer 10: one month back
  QBasicTimer nextTimer_;      // timer 11: one month forward
};

}  // namespace nuvaro::ui
