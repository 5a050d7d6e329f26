#include "ui/calendar/lucky_day_dialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "calendar/almanac_dialog_texts.h"
#include "calendar/calendar_window_texts.h"
#include "calendar/rokuyou.h"
#include "platform/core/message_sink.h"
#include "platform/qt/text_conversion.h"
#include "ui/calendar/year_month_dialog.h"

namespace nuvaro::ui {

namespace {

namespace texts = almanac_dialog_texts;

QString Text(std::string_view cp932) { return platform::QStringFromCp932(cp932); }

constexpr int kDayRole = Qt::UserRole;
constexpr int kSearchMonths = 6;

QDate ToQDate(const calendar::CivilDay& d) { return QDate(d.year, d.month, d.day); }
calendar::CivilDay FromQDate(const QDate& d) { return {d.year(), d.month(), d.day()}; }

QString DateText(const calendar::LuckyDay& day) {
  static const std::string_view weekdays[7] = {calendar_texts::kSunday,   calendar_texts::kMonday,
                                               calendar_texts::kTuesday,  calendar_texts::kWednesday,
                                               calendar_texts::kThursday, calendar_texts::kFriday,
                                               calendar_texts::kSaturday};
  QByteArray format = Text(texts::kLuckyDayDateFormat).toUtf8();
  QByteArray weekday = Text(weekdays[day.weekday]).toUtf8();
  return QString::asprintf(format.constData(), day.date.year, day.date.month, day.date.day, weekday.constData());
}

}  // namespace

LuckyDayDialog::LuckyDayDialog(calendar::CivilDay today, const calendar::CalendarChoices& choices,
                               const calendar::DayReadingEngine* engine, std::string fullName, QWidget* parent)
    : QDialog(parent), choices_(choices), engine_(engine), fullName_(std::move(fullName)) {
  setWindowTitle(Text(texts::kLuckyDayTitle));
  auto* layout = new QVBoxLayout(this);

  auto* range = new QGroupBox(Text(texts::kLuckyDayRange), this);
  auto* rangeLayout = new QHBoxLayout(range);
  const QDate first(kFirstCalendarYear, 1, 1), last(kLastCalendarYear, 12, 31);
  QDate start = ToQDate(today);
  if (start < first || start > last) start = first;
  from_ = new QDateEdit(start, range);
  to_ = new QDateEdit(std::min(start.addMonths(kSearchMonths).addDays(-1), last), range);
  for (QDateEdit* edit : {from_, to_}) {
    edit->setDateRange(first, last);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
  }
  rangeLayout->addWidget(from_);
  rangeLayout->addWidget(new QLabel(Text(texts::kLuckyDayFrom), range));
  rangeLayout->addWidget(to_);
  rangeLayout->addWidget(new QLabel(Text(texts::kLuckyDayTo), range));
  rangeLayout->addStretch();
  layout->addWidget(range);

  auto* conditions = new QHBoxLayout;
  auto* rokuyou = new QGroupBox(Text(texts::kLuckyDayRokuyou), this);
  auto* rokuyouLayout = new QGridLayout(rokuyou);
  // 大安 first, in the order almanacs rank them: 大安, 友引, 先勝, 先負, 赤口, 仏滅.
  static const int kOrder[6] = {5, 2, 1, 3, 6, 4};
  for (int i = 0; i < 6; ++i) {
    rokuyou_[static_cast<std::size_t>(i)] = new QCheckBox(Text(calendar::RokuyouOf(1, kOrder[i])), rokuyou);
    rokuyouLayout->addWidget(rokuyou_[static_cast<std::size_t>(i)], i / 3, i % 3);
  }
  conditions->addWidget(rokuyou);
  auto* rekichu = new QGroupBox(Text(texts::kLuckyDayRekichu), this);
  auto* rekichuLayout = new QVBoxLayout(rekichu);
  for (int i = 0; i < calendar::kRekichuCount; ++i) {
    rekichu_[static_cast<std::size_t>(i)] = new QCheckBox(Text(calendar::RekichuName(static_cast<calendar::Rekichu>(i))), rekichu);
    rekichuLayout->addWidget(rekichu_[static_cast<std::size_t>(i)]);
  }
  conditions->addWidget(rekichu);
  auto* other = new QGroupBox(Text(texts::kLuckyDayOther), this);
  auto* otherLayout = new QVBoxLayout(other);
  holidayOrWeekend_ = new QCheckBox(Text(texts::kLuckyDayHolidayOrWeekend), other);
  notButsumetsu_ = new QCheckBox(Text(texts::kLuckyDayNotButsumetsu), other);
  goodFace_ = new QCheckBox(Text(texts::kLuckyDayGoodFace), other);
  goodFace_->setEnabled(engine_ != nullptr);
  for (QCheckBox* box : {holidayOrWeekend_, notButsumetsu_, goodFace_}) otherLayout->addWidget(box);
  conditions->addWidget(other);
  layout->addLayout(conditions);

  list_ = new QTreeWidget(this);
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setHeaderLabels({Text(texts::kLuckyDayColumnDate), Text(texts::kLuckyDayColumnRokuyou),
                          Text(texts::kLuckyDayColumnHoliday), Text(texts::kLuckyDayColumnAlmanac),
                          Text(texts::kLuckyDayColumnReading)});
  list_->header()->setStretchLastSection(true);
  list_->setMinimumSize(640, 260);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { Choose(item); });
  layout->addWidget(list_);
  summary_ = new QLabel(this);
  summary_->setWordWrap(true);
  layout->addWidget(summary_);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* search = buttons->addButton(Text(texts::kLuckyDaySearch), QDialogButtonBox::ActionRole);
  search->setObjectName(QStringLiteral("search"));
  search->setDefault(true);
  buttons->addButton(Text(texts::kLuckyDayClose), QDialogButtonBox::RejectRole);
  connect(search, &QPushButton::clicked, this, [this] { Search(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

calendar::LuckyDayCriteria LuckyDayDialog::Criteria() const {
  calendar::LuckyDayCriteria criteria;
  for (QCheckBox* box : rokuyou_) {
    if (box->isChecked()) criteria.rokuyou.push_back(platform::QStringToCp932(box->text()).value_or(""));
  }
  for (int i = 0; i < calendar::kRekichuCount; ++i) {
    if (rekichu_[static_cast<std::size_t>(i)]->isChecked()) criteria.rekichu.push_back(static_cast<calendar::Rekichu>(i));
  }
  criteria.holidayOrWeekend = holidayOrWeekend_->isChecked();
  criteria.notButsumetsu = notButsumetsu_->isChecked();
  criteria.goodFace = goodFace_->isChecked();
  return criteria;
}

bool LuckyDayDialog::Search() {
  list_->clear();
  summary_->clear();
  if (to_->date() < from_->date()) {
    platform::ShowMessageBox(this, texts::kLuckyDayBadRange, texts::kLuckyDayTitle, platform::MessageButtons::Ok,
                             platform::MessageIcon::Warning);
    return false;
  }
  calendar::LuckyDayCriteria criteria = Criteria();
  if (criteria.goodFace && (fullName_.empty() || fullName_ == " ")) {
    platform::ShowMessageBox(this, texts::kLuckyDayNoName, texts::kLuckyDayTitle, platform::MessageButtons::Ok,
                             platform::MessageIcon::Warning);
    return false;
  }
  std::vector<calendar::LuckyDay> days = calendar::FindLuckyDays(FromQDate(from_->date()), FromQDate(to_->date()),
                                                                 criteria, choices_, engine_, fullName_);
  QList<QTreeWidgetItem*> items;
  for (const calendar::LuckyDay& day : days) {
    auto* item = new QTreeWidgetItem({DateText(day), Text(day.rokuyou), Text(day.holiday), Text(day.almanac),
                                      Text(day.reading)});
    item->setData(0, kDayRole, ToQDate(day.date));
    items.append(item);
  }
  list_->addTopLevelItems(items);
  for (int column = 0; column < 4; ++column) list_->resizeColumnToContents(column);
  if (days.empty()) {
    summary_->setText(Text(texts::kLuckyDayNone));
  } else {
    summary_->setText(QString::asprintf(Text(texts::kLuckyDayFound).toUtf8().constData(), static_cast<int>(days.size())));
  }
  return true;
}

void LuckyDayDialog::Choose(QTreeWidgetItem* item) {
  if (item == nullptr) return;
  chosen_ = FromQDate(item->data(0, kDayRole).toDate());
  accept();
}

}  // namespace nuvaro::ui
