// "書き出し" of the calendar window: the calendar's days as an iCalendar file for the
// calendar the user already keeps — the shown month, the shown year or a chosen range,
// with or without the daily rokuyou and the person's day reading.
#pragma once

#include <QDialog>

#include <functional>

#include "calendar/almanac_export.h"

class QCheckBox;
class QDateEdit;
class QRadioButton;

namespace nuvaro::ui {

class IcsExportDialog : public QDialog {
  Q_OBJECT

 public:
  // Asks where to save; an empty answer cancels. Replaceable for tests.
  using SaveFileChooser = std::function<QString(QWidget* parent)>;
  static SaveFileChooser SetSaveFileChooser(SaveFileChooser chooser);

  // `request` carries the choices, the engine and the name; the range comes from the
  // shown month and year and the dialog.
  IcsExportDialog(int shownYear, int shownMonth, calendar::AlmanacExportRequest request, QWidget* parent = nullptr);

  // The request as the dialog's controls make it.
  calendar::AlmanacExportRequest Request() const;
  // Asks for the file, writes it through the safe save and says how it went; true when
  // the file was written.
  bool Export();

  QRadioButton* MonthButton() const { return month_; }
  QRadioButton* YearButton() const { return year_; }
  QRadioButton* RangeButton() const { return range_; }
  QDateEdit* FromEdit() const { return from_; }
  QDateEdit* ToEdit() const { return to_; }
  QCheckBox* RokuyouBox() const { return rokuyou_; }
  QCheckBox* ReadingBox() const { return reading_; }

 private:
  int shownYear_;
  int shownMonth_;
  calendar::AlmanacExportRequest request_;
  QRadioButton* month_;
  QRadioButton* year_;
  QRadioButton* range_;
  QDateEdit* from_;
  QDateEdit* to_;
  QCheckBox* rokuyou_;
  QCheckBox* reading_;
};

}  // namespace nuvaro::ui
