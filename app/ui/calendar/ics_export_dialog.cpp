#include "ui/calendar/ics_export_dialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "calendar/almanac_dialog_texts.h"
#include "calendar/civil_date.h"
#include "platform/core/message_sink.h"
#include "platform/qt/text_conversion.h"
#include "ui/calendar/year_month_dialog.h"

namespace nuvaro::ui {

namespace {

namespace texts = almanac_dialog_texts;

QString Text(std::string_view cp932) { return platform::QStringFromCp932(cp932); }

QString ChooseSaveFile(QWidget* parent) {
  return QFileDialog::getSaveFileName(parent, Text(texts::kExportSaveCaption), QString(), Text(texts::kExportFilter));
}

IcsExportDialog::SaveFileChooser& CurrentChooser() {
  static IcsExportDialog::SaveFileChooser chooser = ChooseSaveFile;
  return chooser;
}

calendar::CivilDay FromQDate(const QDate& d) { return {d.year(), d.month(), d.day()}; }

}  // namespace

IcsExportDialog::SaveFileChooser IcsExportDialog::SetSaveFileChooser(SaveFileChooser chooser) {
  SaveFileChooser previous = CurrentChooser();
  CurrentChooser() = chooser ? std::move(chooser) : SaveFileChooser(ChooseSaveFile);
  return previous;
}

IcsExportDialog::IcsExportDialog(int shownYear, int shownMonth, calendar::AlmanacExportRequest request,
                                 QWidget* parent)
    : QDialog(parent), shownYear_(shownYear), shownMonth_(shownMonth), request_(std::move(request)) {
  setWindowTitle(Text(texts::kExportTitle));
  auto* layout = new QVBoxLayout(this);
  auto* range = new QGroupBox(Text(texts::kExportRange), this);
  auto* rangeLayout = new QVBoxLayout(range);
  month_ = new QRadioButton(Text(texts::kExportThisMonth), range);
  year_ = new QRadioButton(Text(texts::kExportThisYear), range);
  range_ = new QRadioButton(Text(texts::kExportChosenRange), range);
  month_->setChecked(true);
  auto* dates = new QHBoxLayout;
  const QDate first(kFirstCalendarYear, 1, 1), last(kLastCalendarYear, 12, 31);
  from_ = new QDateEdit(QDate(shownYear, shownMonth, 1), range);
  to_ = new QDateEdit(QDate(shownYear, shownMonth, 1).addMonths(3).addDays(-1), range);
  for (QDateEdit* edit : {from_, to_}) {
    edit->setDateRange(first, last);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    edit->setEnabled(false);
    dates->addWidget(edit);
  }
  dates->addStretch();
  connect(range_, &QRadioButton::toggled, this, [this](bool on) {
    from_->setEnabled(on);
    to_->setEnabled(on);
  });
  for (QRadioButton* button : {month_, year_, range_}) rangeLayout->addWidget(button);
  rangeLayout->addLayout(dates);
  layout->addWidget(range);

  auto* contents = new QGroupBox(Text(texts::kExportContents), this);
  auto* contentsLayout = new QVBoxLayout(contents);
  contentsLayout->addWidget(new QLabel(Text(texts::kExportFixedItems), contents));
  rokuyou_ = new QCheckBox(Text(texts::kExportRokuyou), contents);
  rokuyou_->setChecked(request_.rokuyou);
  reading_ = new QCheckBox(Text(texts::kExportReading), contents);
  bool canRead = request_.engine != nullptr && request_.fullName != " " && !request_.fullName.empty();
  reading_->setChecked(request_.reading && canRead);
  reading_->setEnabled(canRead);
  contentsLayout->addWidget(rokuyou_);
  contentsLayout->addWidget(reading_);
  layout->addWidget(contents);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    if (Export()) accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

calendar::AlmanacExportRequest IcsExportDialog::Request() const {
  calendar::AlmanacExportRequest request = request_;
  if (month_->isChecked()) {
    request.from = {shownYear_, shownMonth_, 1};
    request.to = {shownYear_, shownMonth_, calendar::DaysInMonth(shownYear_, shownMonth_)};
  } else if (year_->isChecked()) {
    request.from = {shownYear_, 1, 1};
    request.to = {shownYear_, 12, 31};
  } else {
    QDate from = std::min(from_->date(), to_->date()), to = std::max(from_->date(), to_->date());
    request.from = FromQDate(from);
    request.to = FromQDate(to);
  }
  request.rokuyou = rokuyou_->isChecked();
  request.reading = reading_->isChecked() && reading_->isEnabled();
  return request;
}

bool IcsExportDialog::Export() {
  QString path = CurrentChooser()(this);
  if (path.isEmpty()) return false;
  if (!path.endsWith(QStringLiteral(".ics"), Qt::CaseInsensitive)) path += QStringLiteral(".ics");
  QDateTime now = QDateTime::currentDateTimeUtc();
  calendar::CivilDateTime stamp{now.date().year(), now.date().month(), now.date().day(),
                                now.time().hour(), now.time().minute(), now.time().second()};
  bool written = calendar::ExportAlmanacICalendar(QFile::encodeName(path).toStdString(), Request(), stamp);
  platform::ShowMessageBox(this, written ? texts::kExportDone : texts::kExportFailed, texts::kExportTitle,
                           platform::MessageButtons::Ok,
                           written ? platform::MessageIcon::Information : platform::MessageIcon::Warning);
  return written;
}

}  // namespace nuvaro::ui
