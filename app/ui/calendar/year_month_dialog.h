// The calendar's year-month dialog: two numeric fields preset with the shown month; OK
// refuses a year outside 2000 to 2099 or a month outside 1 to 12 with a message and
// stays open.
#pragma once

#include <QDialog>

class QLineEdit;

namespace nuvaro::ui {

inline constexpr int kFirstCalendarYear = 2000;
inline constexpr int kLastCalendarYear = 2099;

class CYearMonthDialog : public QDialog {
  Q_OBJECT

 public:
  CYearMonthDialog(int year, int month, QWidget* parent = nullptr);

  int Year() const { return year_; }
  int Month() const { return month_; }
  QLineEdit* YearField() const { return yearField_; }    // 1041
  QLineEdit* MonthField() const { return monthField_; }  // 1042

 public slots:
  void accept() override;

 private:
  QLineEdit* yearField_;
  QLineEdit* monthField_;
  int year_;
  int month_;
};

}  // namespace nuvaro::ui
