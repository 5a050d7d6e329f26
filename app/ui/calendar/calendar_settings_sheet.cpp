#include "ui/calendar/calendar_settings_sheet.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "calendar/calendar_window_texts.h"
#include "platform/core/message_sink.h"
#include "platform/qt/text_conversion.h"
#include "ui/calendar/month_grid_painter.h"
#include "ui/controls/color_button.h"

namespace nuvaro::ui {

namespace {

using calendar::CalendarSettings;
namespace texts = calendar_texts;

QString Text(std::string_view cp932) { return platform::QStringFromCp932(cp932); }

struct ItemBox {
  int id;
  std::string_view caption;
  std::int32_t CalendarSettings::*field;
};
const ItemBox kItemBoxes[5] = {
    {1039, texts::kItemRokuyou, &CalendarSettings::rokuyou},
    {1040, texts::kItemKyureki, &CalendarSettings::kyureki},
    {1041, texts::kItemKyujitu, &CalendarSettings::kyujitu},
    {1042, texts::kItemKantei, &CalendarSettings::kantei},
    {1043, texts::kItemKao, &CalendarSettings::kao},
};

// The colour buttons: the left column beside the picture, then the right column, each
// from the top. The picture shows a month in these colours.
struct ColourBox {
  int id;
  std::string_view caption;
  std::string_view label;
  std::int32_t CalendarSettings::*field;
};
const ColourBox kColourBoxes[11] = {
    {1044, texts::kButtonBackground, texts::kLabelBackground, &CalendarSettings::background},
    {1045, texts::kButtonFrame, texts::kLabelFrame, &CalendarSettings::frame},
    {1046, texts::kButtonDate, texts::kLabelWeekDate, &CalendarSettings::weekDate},
    {1055, texts::kButtonDate, texts::kLabelHolidayDate, &CalendarSettings::holidayDate},
    {1047, texts::kButtonWeekday, texts::kLabelWeek, &CalendarSettings::week},
    {1048, texts::kButtonWeekdayBackground, texts::kLabelWeekBackground, &CalendarSettings::weekBackground},
    {1054, texts::kButtonOldCalendar, texts::kLabelOldCalendar, &CalendarSettings::oldCalendarColour},
    {1053, texts::kButtonRokuyou, texts::kLabelRokuyou, &CalendarSettings::rokuyouColour},
    {1052, texts::kButtonData, texts::kLabelData, &CalendarSettings::data},
    {1051, texts::kButtonHoliday, texts::kLabelHoliday, &CalendarSettings::holiday},
    {1050, texts::kButtonHolidayBackground, texts::kLabelHolidayBackground, &CalendarSettings::holidayBackground},
};
constexpr int kLeftColumnButtons = 6;

// The picture 186 at (110, 40) of the colour page, and the two columns beside it.
constexpr int kPictureX = 110;
constexpr int kPictureY = 40;
constexpr int kPictureWidth = 229;
constexpr int kPictureHeight = 170;
// The sample drawn there: a month with a Sunday holiday and its substitute day, drawn at
// twice the picture's size and scaled down, so its texts keep the grid's proportions.
constexpr int kSampleYear = 2026;
constexpr int kSampleMonth = 5;
constexpr int kSampleScale = 2;
constexpr int kColumnWidth = 94;
constexpr int kColumnMargin = 8;
constexpr int kRowStep = 40;
constexpr int kLabelHeight = 14;
constexpr int kButtonHeight = 22;

}  // namespace

CPageCalendarItem::CPageCalendarItem(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox(Text(texts::kItemGroup), this);
  auto* groupLayout = new QVBoxLayout(group);
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    boxes_[i] = new QCheckBox(Text(kItemBoxes[i].caption), group);
    boxes_[i]->setObjectName(QStringLiteral("item_%1").arg(kItemBoxes[i].id));
    groupLayout->addWidget(boxes_[i]);
  }
  layout->addWidget(group);

  // Which holiday rules and which old calendar the grid draws from.
  auto* reckoning = new QGroupBox(Text(texts::kReckoningGroup), this);
  auto* reckoningLayout = new QVBoxLayout(reckoning);
  holidayLawBox_ = new QCheckBox(Text(texts::kItemHolidayLaw), reckoning);
  holidayLawBox_->setObjectName(QStringLiteral("item_holiday_law"));
  exactLunarBox_ = new QCheckBox(Text(texts::kItemExactLunar), reckoning);
  exactLunarBox_->setObjectName(QStringLiteral("item_exact_lunar"));
  reckoningLayout->addWidget(holidayLawBox_);
  reckoningLayout->addWidget(exactLunarBox_);
  almanacBox_ = new QCheckBox(Text(texts::kItemRekichu), reckoning);
  almanacBox_->setObjectName(QStringLiteral("item_rekichu"));
  reckoningLayout->addWidget(almanacBox_);
  layout->addWidget(reckoning);
  layout->addStretch();
}

void CPageCalendarItem::Load(const CalendarSettings& settings) {
  for (std::size_t i = 0; i < boxes_.size(); ++i) boxes_[i]->setChecked(settings.*kItemBoxes[i].field != 0);
  holidayLawBox_->setChecked(settings.choices.currentHolidayLaw);
  exactLunarBox_->setChecked(settings.choices.exactLunar);
  almanacBox_->setChecked(settings.choices.showAlmanac);
}

void CPageCalendarItem::Store(CalendarSettings& settings) const {
  for (std::size_t i = 0; i < boxes_.size(); ++i) settings.*kItemBoxes[i].field = boxes_[i]->isChecked() ? 1 : 0;
  settings.choices.currentHolidayLaw = holidayLawBox_->isChecked();
  settings.choices.exactLunar = exactLunarBox_->isChecked();
  settings.choices.showAlmanac = almanacBox_->isChecked();
}

QCheckBox* CPageCalendarItem::CheckBox(int id) const {
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    if (kItemBoxes[i].id == id) return boxes_[i];
  }
  return nullptr;
}

CPageCalendarColor::CPageCalendarColor(QWidget* parent) : QWidget(parent) {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const ColourBox& box = kColourBoxes[i];
    bool left = static_cast<int>(i) < kLeftColumnButtons;
    int row = left ? static_cast<int>(i) : static_cast<int>(i) - kLeftColumnButtons;
    int x = left ? kColumnMargin : kPictureX + kPictureWidth + kColumnMargin;
    int y = kColumnMargin + row * kRowStep + (left ? 0 : kRowStep / 2);
    auto* label = new QLabel(Text(box.label), this);
    label->setGeometry(x, y, kColumnWidth, kLabelHeight);
    auto* button = new CColorButton(Text(box.caption), this);
    button->setGeometry(x, y + kLabelHeight + 1, kColumnWidth, kButtonHeight);
    button->SetControlId(box.id);
    button->SetDefaultText(Text(texts::kPaletteDefault));
    button->SetCustomText(Text(texts::kPaletteCustom));
    label->setBuddy(button);
    buttons_[i] = button;
    // The sample follows a colour while it is being chosen and once it is chosen.
    for (auto signal : {&CColorButton::selectionChanged, &CColorButton::selectionEnded,
                        &CColorButton::selectionCancelled}) {
      connect(button, signal, this, [this] { update(); });
    }
  }
  setMinimumSize(kPictureX + kPictureWidth + 2 * kColumnMargin + kColumnWidth,
                 kColumnMargin + kLeftColumnButtons * kRowStep + kColumnMargin);
}

void CPageCalendarColor::Load(const CalendarSettings& settings) {
  sample_ = settings;
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i]->SetColour(static_cast<ColourRef>(settings.*kColourBoxes[i].field));
  }
}

void CPageCalendarColor::Store(CalendarSettings& settings) const {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    // "キャンセル" in the palette leaves no colour: the button shows, and keeps, black.
    settings.*kColourBoxes[i].field = static_cast<std::int32_t>(buttons_[i]->ShownColour());
  }
}

CColorButton* CPageCalendarColor::Button(int id) const {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    if (kColourBoxes[i].id == id) return buttons_[i];
  }
  return nullptr;
}

void CPageCalendarColor::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  // Where picture 186 would stand: a month drawn as the calendar draws it, in the
  // colours the buttons show now.
  MonthGridRequest request;
  request.year = kSampleYear;
  request.month = kSampleMonth;
  request.settings = sample_;
  Store(request.settings);
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.setClipRect(SampleRect());
  painter.translate(SampleRect().topLeft());
  painter.scale(1.0 / kSampleScale, 1.0 / kSampleScale);
  DrawMonthGrid(painter, QRect(0, 0, kPictureWidth * kSampleScale, kPictureHeight * kSampleScale), request, 1);
}

QRect CPageCalendarColor::SampleRect() { return QRect(kPictureX, kPictureY, kPictureWidth, kPictureHeight); }

CPropertySheetCalendar::CPropertySheetCalendar(const CalendarSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
  setWindowTitle(Text(texts::kSheetCaption));
  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  itemPage_ = new CPageCalendarItem(tabs_);
  colorPage_ = new CPageCalendarColor(tabs_);
  tabs_->addTab(itemPage_, Text(texts::kItemTab));
  tabs_->addTab(colorPage_, Text(texts::kColourTab));
  layout->addWidget(tabs_);
  // OK and Cancel only: no Apply and no Help.
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  okButton_ = buttons->button(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &CPropertySheetCalendar::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CPropertySheetCalendar::reject);
  layout->addWidget(buttons);
  itemPage_->Load(settings_);
  colorPage_->Load(settings_);

  // The reset button stands at the OK button's height, at the tab control's left edge,
  // as wide as OK, in the sheet's font; it is placed once the sheet is laid out.
  resetButton_ = new QPushButton(Text(texts::kResetButton), this);
  resetButton_->setFont(font());
  resetButton_->setProperty("command", kResetCommand);
  resetButton_->setAutoDefault(false);
  connect(resetButton_, &QPushButton::clicked, this, &CPropertySheetCalendar::OnReset);
}

CalendarSettings CPropertySheetCalendar::Settings() const {
  CalendarSettings settings = settings_;
  itemPage_->Store(settings);
  colorPage_->Store(settings);
  return settings;
}

void CPropertySheetCalendar::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  PlaceResetButton();
}

void CPropertySheetCalendar::PlaceResetButton() {
  layout()->activate();
  QRect ok = okButton_->geometry();
  QPoint okTopLeft = okButton_->parentWidget()->mapTo(this, ok.topLeft());
  resetButton_->setGeometry(tabs_->geometry().left(), okTopLeft.y(), ok.width(), ok.height());
  resetButton_->raise();
}

void CPropertySheetCalendar::OnReset() {
  int answer = platform::ShowMessageBox(this, texts::kResetQuestion, texts::kResetCaption,
                                        platform::MessageButtons::OkCancel, platform::MessageIcon::Question);
  if (answer != platform::kIdOk) return;
  resetRequested_ = true;
  reject();  // closes as the sheet's close command would
}

}  // namespace nuvaro::ui
