#include "ui/calendar/year_month_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "calendar/calendar_window_texts.h"
#include "platform/core/message_sink.h"
#include "platform/qt/text_conversion.h"

namespace nuvaro::ui {

namespace {

QString Text(std::string_view cp932) { return platform::QStringFromCp932(cp932); }

QLineEdit* NumberField(int value, int digits, QWidget* parent) {
  auto* field = new QLineEdit(QString::number(value), parent);
  field->setValidator(new QIntValidator(0, digits == 4 ? 9999 : 99, field));
  field->setMaxLength(digits);
  field->setInputMethodHints(Qt::ImhDigitsOnly);
  field->setAlignment(Qt::AlignRight);
  field->setFixedWidth(digits == 4 ? 64 : 40);
  return field;
}

}  // namespace

CYearMonthDialog::CYearMonthDialog(int year, int month, QWidget* parent)
    : QDialog(parent), year_(year), month_(month) {
  setWindowTitle(Text(calendar_texts::kYearMonthCaption));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(Text(calendar_texts::kYearMonthPrompt), this));
  auto* fields = new QHBoxLayout;
  yearField_ = NumberField(year, 4, this);
  monthField_ = NumberField(month, 2, this);
  fields->addWidget(yearField_);
  fields->addWidget(new QLabel(Text(calendar_texts::kYearUnit), this));
  fields->addSpacing(8);
  fields->addWidget(monthField_);
  fields->addWidget(new QLabel(Text(calendar_texts::kMonthUnit), this));
  fields->addSpacing(12);
  fields->addWidget(new QLabel(Text(calendar_texts::kYearMonthRange), this));
  fields->addStretch();
  layout->addLayout(fields);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &CYearMonthDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CYearMonthDialog::reject);
  layout->addWidget(buttons);
  yearField_->setFocus();
  yearField_->selectAll();
}

void CYearMonthDialog::accept() {
  int year = yearField_->text().toInt();
  int month = monthField_->text().toInt();
  if (year < kFirstCalendarYear || year > kLastCalendarYear) {
    platform::ShowMessageBox(this, calendar_texts::kYearOutOfRange, calendar_texts::kYearMonthCaption);
    yearField_->setFocus();
    return;
  }
  if (month < 1 || month > 12) {
    platform::ShowMessageBox(this, calendar_texts::kMonthOutOfRange, calendar_texts::kYearMonthCaption);
    monthField_->setFocus();
    return;
  }
  year_ = year;
  month_ = month;
  QDialog::accept();
}

}  // namespace nuvaro::ui
