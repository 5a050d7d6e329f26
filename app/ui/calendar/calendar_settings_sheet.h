// The calendar's settings sheet "カレンダーの詳細設定": the item page with five switches,
// the colour page with eleven colour buttons around a sample month drawn in their colours,
// OK and Cancel, and the extra button that asks to return to the factory settings.
#pragma once

#include <QDialog>
#include <QRect>
#include <QWidget>

#include <array>

#include "calendar/calendar_settings.h"

class QCheckBox;
class QPushButton;
class QTabWidget;

namespace nuvaro::ui {

class CColorButton;

// Command of the reset button.
inline constexpr int kResetCommand = 8192;

class CPageCalendarItem : public QWidget {
  Q_OBJECT

 public:
  explicit CPageCalendarItem(QWidget* parent = nullptr);
  void Load(const calendar::CalendarSettings& settings);
  void Store(calendar::CalendarSettings& settings) const;
  // The check box of a control id 1039 to 1043, null for any other.
  QCheckBox* CheckBox(int id) const;
  // The two boxes of the group "暦": holidays by the current law, the exact old calendar.
  QCheckBox* HolidayLawBox() const { return holidayLawBox_; }
  QCheckBox* ExactLunarBox() const { return exactLunarBox_; }
  QCheckBox* AlmanacBox() const { return almanacBox_; }

 private:
  std::array<QCheckBox*, 5> boxes_{};
  QCheckBox* holidayLawBox_;
  QCheckBox* exactLunarBox_;
  QCheckBox* almanacBox_;
};

class CPageCalendarColor : public QWidget {
  Q_OBJECT

 public:
  explicit CPageCalendarColor(QWidget* parent = nullptr);
  void Load(const calendar::CalendarSettings& settings);
  void Store(calendar::CalendarSettings& settings) const;
  // The colour button of a control id (1044 to 1055), null for any other.
  CColorButton* Button(int id) const;
  // Where the page draws its sample month, in the page's coordinates.
  static QRect SampleRect();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::array<CColorButton*, 11> buttons_{};
  calendar::CalendarSettings sample_;  // the switches and reckoning the sample is drawn with
};

class CPropertySheetCalendar : public QDialog {
  Q_OBJECT

 public:
  CPropertySheetCalendar(const calendar::CalendarSettings& settings, QWidget* parent = nullptr);

  // The pages' values (the settings handed in, changed by the pages).
  calendar::CalendarSettings Settings() const;
  // True when the sheet closed because the user confirmed the reset.
  bool ResetRequested() const { return resetRequested_; }

  CPageCalendarItem* ItemPage() const { return itemPage_; }
  CPageCalendarColor* ColorPage() const { return colorPage_; }
  QTabWidget* Tabs() const { return tabs_; }
  QPushButton* OkButton() const { return okButton_; }
  QPushButton* ResetButton() const { return resetButton_; }

 public slots:
  // Asks "初期値に戻してよろしいですか？"; OK remembers the request and closes the sheet.
  void OnReset();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void PlaceResetButton();

  calendar::CalendarSettings settings_;
  QTabWidget* tabs_;
  CPageCalendarItem* itemPage_;
  CPageCalendarColor* colorPage_;
  QPushButton* okButton_;
  QPushButton* resetButton_;
  bool resetRequested_ = false;
};

}  // namespace nuvaro::ui
