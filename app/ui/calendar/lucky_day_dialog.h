// The lucky-day search (吉日さがし) of the calendar window: a date range, the
// conditions a day must meet and the list of the days that meet them; a double click
// on a day closes the dialog and tells the window which month to show.
#pragma once

#include <QDialog>

#include <array>
#include <optional>
#include <string>

#include "calendar/almanac_search.h"
#include "calendar/calendar_choices.h"
#include "calendar/day_reading.h"

class QCheckBox;
class QDateEdit;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace nuvaro::ui {

class LuckyDayDialog : public QDialog {
  Q_OBJECT

 public:
  // `today` starts the range (six months long); `fullName` is CP932 "surname given".
  LuckyDayDialog(calendar::CivilDay today, const calendar::CalendarChoices& choices,
                 const calendar::DayReadingEngine* engine, std::string fullName, QWidget* parent = nullptr);

  // The conditions as the boxes show them.
  calendar::LuckyDayCriteria Criteria() const;
  // Runs the search and fills the list; false (with a message) for a range that ends
  // before it starts or a face condition without a name.
  bool Search();
  // The month of the day double-clicked, once the dialog has closed on it.
  std::optional<calendar::CivilDay> ChosenDay() const { return chosen_; }

  QDateEdit* FromEdit() const { return from_; }
  QDateEdit* ToEdit() const { return to_; }
  QCheckBox* RokuyouBox(int index) const { return rokuyou_[static_cast<std::size_t>(index)]; }
  QCheckBox* RekichuBox(int index) const { return rekichu_[static_cast<std::size_t>(index)]; }
  QCheckBox* HolidayOrWeekendBox() const { return holidayOrWeekend_; }
  QCheckBox* NotButsumetsuBox() const { return notButsumetsu_; }
  QCheckBox* GoodFaceBox() const { return goodFace_; }
  QTreeWidget* List() const { return list_; }
  QLabel* Summary() const { return summary_; }

 private:
  void Choose(QTreeWidgetItem* item);

  calendar::CalendarChoices choices_;
  const calendar::DayReadingEngine* engine_;
  std::string fullName_;
  QDateEdit* from_;
  QDateEdit* to_;
  std::array<QCheckBox*, 6> rokuyou_{};
  std::array<QCheckBox*, calendar::kRekichuCount> rekichu_{};
  QCheckBox* holidayOrWeekend_;
  QCheckBox* notButsumetsu_;
  QCheckBox* goodFace_;
  QTreeWidget* list_;
  QLabel* summary_;
  std::optional<calendar::CivilDay> chosen_;
};

}  // namespace nuvaro::ui
