#include "ui/calendar/calendar_window.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QThread>
#include <QTimerEvent>
#include <QWheelEvent>

#include "calendar/almanac_dialog_texts.h"
#include "calendar/calendar_window_texts.h"
#include "calendar/day_reading.h"
#include "calendar/month_drawing_data.h"
#include "core/core_texts.h"
#include "core/engine_binding.h"
#include "core/face.h"
#include "platform/core/local_clock.h"
#include "platform/core/message_sink.h"
#include "platform/qt/text_conversion.h"
#include "resources/artwork_catalog.h"
#include "ui/calendar/calendar_printing.h"
#include "ui/calendar/calendar_settings_sheet.h"
#include "ui/calendar/calendar_titles.h"
#include "ui/calendar/ics_export_dialog.h"
#include "ui/calendar/lucky_day_dialog.h"
#include "ui/calendar/month_grid.h"
#include "ui/calendar/name_dialog.h"
#include "ui/calendar/year_month_dialog.h"
#include "ui/controls/colour_value.h"
#include "ui/controls/control_command.h"
#include "ui/controls/dialog_units.h"
#include "ui/controls/hover_button.h"
#include "ui/controls/link_label.h"

namespace nuvaro::ui {

namespace {

namespace texts = calendar_texts;

QString Text(std::string_view cp932) { return platform::QStringFromCp932(cp932); }

const QString& GothicFace() {
  static const QString face = QString::fromUtf8("ＭＳ ゴシック");
  return face;
}

constexpr int kTemplateWidth = 450;
constexpr int kTemplateHeight = 386;
constexpr int kYearMonthHeight = 24;
constexpr int kYearMonthMinimumHeight = 14;
constexpr std::uint32_t kTitleColour = 0xFF0000;
constexpr std::uint32_t kTitleHoverColour = 0x8000FF;
constexpr std::uint32_t kYearMonthColour = 0x800000;
constexpr int kHandCursor = 225;

bool RunPrintDialog(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  // All pages only: no selection and no page range. Qt's dialog has no print-to-file
  // box; this option offers its "Print to File (PDF)" printer instead.
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  dialog.setPrintRange(QAbstractPrintDialog::AllPages);
  return dialog.exec() == QDialog::Accepted;
}

CalendarWindow::PrintDialog& CurrentPrintDialog() {
  static CalendarWindow::PrintDialog dialog = RunPrintDialog;
  return dialog;
}

}  // namespace

std::optional<calendar::DayReadingEngine> CalendarEngine(const core::EngineBinding& engine) {
  if (!engine.IsLoaded()) return std::nullopt;
  return calendar::DayReadingEngine{engine.EntryAs<CalculateSoulFunction>(core::EngineEntry::CalculateSoul),
                                    engine.EntryAs<GetUnseiCalendarFunction>(core::EngineEntry::GetUnseiCalendar)};
}

void RunCalendarWindow(const core::CFace& faces, const core::EngineBinding& engine, QWidget* parent) {
  CalendarWindow window(faces, CalendarEngine(engine), parent);
  window.exec();
}

QSize CalendarGridSize() { return DialogRectToPixels(7, 56, 438, 323).size(); }

CalendarWindow::PrintDialog CalendarWindow::SetPrintDialog(PrintDialog dialog) {
  PrintDialog previous = CurrentPrintDialog();
  CurrentPrintDialog() = dialog ? std::move(dialog) : PrintDialog(RunPrintDialog);
  return previous;
}

CalendarWindow::CalendarWindow(const core::CFace& faces, std::optional<calendar::DayReadingEngine> engine,
                               QWidget* parent)
    : QDialog(parent), faces_(faces), ini_(calendar::CalendarIniFile()), engine_(engine) {
  setWindowTitle(Text(texts::kWindowTitle));
  setFixedSize(DialogUnitsToPixelsX(kTemplateWidth), DialogUnitsToPixelsY(kTemplateHeight));
  QPalette background = palette();
  background.setColor(QPalette::Window, ToQColor(kCalendarBackground));
  setPalette(background);
  setAutoFillBackground(true);

  settings_ = calendar::ReadCalendarSettings(ini_);
  calendar::SplitName name = calendar::SplitFullName(faces.SelfName());
  surname_ = name.surname;
  givenName_ = name.givenName;

  titleLabel_ = new CLinkLabel(this);
  titleLabel_->setGeometry(DialogRectToPixels(7, 9, 183, 12));
  titleLabel_->SetFaceName(GothicFace());
  titleLabel_->SetBold(true);
  titleLabel_->SetUnderline(true);
  int dpi = logicalDpiY();
  int titleHeight = dpi > 0 ? titleLabel_->height() * 72 / dpi : 0;
  titleLabel_->SetHeight(titleHeight != 0 ? titleHeight : 16);
  titleLabel_->SetTextColour(ToQColor(kTitleColour));
  titleLabel_->SetHoverColour(ToQColor(kTitleHoverColour));
  if (const artwork::ArtworkEntry* cursor = artwork::FindCursor(kHandCursor)) {
    titleLabel_->setCursor(artwork::LoadArtworkCursor(*cursor));
  }
  titleLabel_->SetCommand(kCalendarNameCommand, this);
  titleLabel_->SetTipText(Text(texts::kNameTip));

  // Where the title names the person: why a name the engine cannot count has no readings.
  nameNote_ = new QLabel(Text(texts::kNameUncountable), this);
  nameNote_->setGeometry(DialogRectToPixels(192, 8, 253, 14));
  QFont noteFont(GothicFace());
  noteFont.setPixelSize(11);
  nameNote_->setFont(noteFont);
  nameNote_->setWordWrap(false);
  QPalette noteColours = nameNote_->palette();
  noteColours.setColor(QPalette::WindowText, ToQColor(kTitleColour));
  nameNote_->setPalette(noteColours);
  nameNote_->setToolTip(Text(texts::kNameUncountableTip));
  nameNote_->hide();

  yearMonthLabel_ = new CLinkLabel(this);
  yearMonthLabel_->setGeometry(DialogRectToPixels(7, 29, 72, 17));
  yearMonthLabel_->SetFaceName(GothicFace());
  yearMonthLabel_->SetBold(true);
  yearMonthLabel_->SetHeight(kYearMonthHeight);
  yearMonthLabel_->SetTextColour(ToQColor(kYearMonthColour));
  yearMonthLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

  MakeButton(kCalendarPreviousId, 189, 3, QString(), 84, 29, 19, 17)->setToolTip(Text(texts::kPreviousMonthTip));
  MakeButton(kCalendarThisMonthId, 187, 3, QString(), 103, 29, 29, 17)->setToolTip(Text(texts::kThisMonthTip));
  MakeButton(kCalendarNextId, 188, 3, QString(), 132, 29, 19, 17)->setToolTip(Text(texts::kNextMonthTip));
  MakeButton(kCalendarChooseMonthId, 183, 5, Text(texts::kYearMonthButton), 154, 27, 39, 19);
  MakeButton(kCalendarLuckyDayId, 183, 5, Text(almanac_dialog_texts::kLuckyDayButton), 243, 27, 46, 19);
  MakeButton(kCalendarExportId, 183, 5, Text(almanac_dialog_texts::kExportButton), 289, 27, 40, 19);
  MakeButton(kCalendarSettingsId, 183, 5, Text(texts::kSettingsButton), 331, 27, 38, 19);
  MakeButton(kCalendarPrintId, 183, 5, Text(texts::kPrintButton), 369, 27, 38, 19);
  MakeButton(kCalendarBackId, 183, 5, Text(texts::kBackButton), 407, 27, 38, 19);
  connect(Button(kCalendarPreviousId), &QPushButton::clicked, this, &CalendarWindow::PreviousMonth);
  connect(Button(kCalendarThisMonthId), &QPushButton::clicked, this, &CalendarWindow::ThisMonth);
  connect(Button(kCalendarNextId), &QPushButton::clicked, this, &CalendarWindow::NextMonth);
  connect(Button(kCalendarChooseMonthId), &QPushButton::clicked, this, &CalendarWindow::ChooseYearMonth);
  connect(Button(kCalendarSettingsId), &QPushButton::clicked, this, &CalendarWindow::EditCalendarSettings);
  connect(Button(kCalendarPrintId), &QPushButton::clicked, this, &CalendarWindow::Print);
  connect(Button(kCalendarLuckyDayId), &QPushButton::clicked, this, &CalendarWindow::FindLuckyDays);
  connect(Button(kCalendarExportId), &QPushButton::clicked, this, &CalendarWindow::ExportCalendar);
  connect(Button(kCalendarBackId), &QPushButton::clicked, this, &CalendarWindow::accept);

  grid_ = new CMonthGrid(this);
  grid_->setGeometry(QRect(DialogRectToPixels(7, 56, 0, 0).topLeft(), CalendarGridSize()));
  grid_->SetEngine(engine);
  grid_->SetSettings(settings_);
  SetNames(surname_, givenName_);
  ShowMonth(grid_->Year(), grid_->Month());
}

CHoverButton* CalendarWindow::MakeButton(int id, int bitmap, int frames, const QString& caption, int x, int y, int w,
                                         int h) {
  auto* button = new CHoverButton(caption, this);
  button->setGeometry(DialogRectToPixels(x, y, w, h));
  if (const artwork::ArtworkEntry* entry = artwork::FindBitmap(bitmap)) {
    button->LoadStrip(artwork::LoadDrawablePixmap(*entry), frames);
  }
  button->setAutoDefault(false);
  button->setObjectName(QStringLiteral("button_%1").arg(id));
  buttons_.emplace_back(id, button);
  return button;
}

CHoverButton* CalendarWindow::Button(int id) const {
  for (const auto& [buttonId, button] : buttons_) {
    if (buttonId == id) return button;
  }
  return nullptr;
}

int CalendarWindow::Year() const { return grid_->Year(); }
int CalendarWindow::Month() const { return grid_->Month(); }

void CalendarWindow::SetNames(const std::string& surname, const std::string& givenName) {
  surname_ = surname;
  givenName_ = givenName;
  titleLabel_->setText(Text(CalendarTitleText(surname_, givenName_)));
  const std::string fullName = calendar::FullNameOf(surname_, givenName_);
  nameNote_->setVisible(engine_ && fullName != " " && !calendar::CanCountName(*engine_, fullName));
  grid_->SetNames(surname_, givenName_);
}

void CalendarWindow::ShowYearMonthText() {
  // Hidden, set and shown again, so the label repaints at once.
  yearMonthLabel_->hide();
  const QString text = Text(YearMonthText(Year(), Month()));
  yearMonthLabel_->setText(text);
  // A two-digit month is wider than the label at the full height: set it a little
  // smaller rather than let the month run under the month buttons.
  int height = kYearMonthHeight;
  yearMonthLabel_->SetHeight(height);
  while (height > kYearMonthMinimumHeight &&
         QFontMetrics(yearMonthLabel_->font()).horizontalAdvance(text) > yearMonthLabel_->width()) {
    yearMonthLabel_->SetHeight(--height);
  }
  yearMonthLabel_->show();
}

void CalendarWindow::ShowMonth(int year, int month) {
  if (year < kFirstCalendarYear) year = kFirstCalendarYear, month = 1;
  if (year > kLastCalendarYear) year = kLastCalendarYear, month = 12;
  grid_->SetMonth(year, month);
  grid_->update();
  ShowYearMonthText();
}

// At January 2000 the previous month and at December 2099 the next month stay where
// they are: the calendar shows 2000 to 2099 only.
void CalendarWindow::PreviousMonth() {
  int year = Year(), month = Month();
  if (year < kFirstCalendarYear) year = kFirstCalendarYear;
  if (year == kFirstCalendarYear && month == 1) return;
  ShowMonth(month == 1 ? year - 1 : year, month == 1 ? 12 : month - 1);
}

void CalendarWindow::NextMonth() {
  int year = Year(), month = Month();
  if (year > kLastCalendarYear) year = kLastCalendarYear;
  if (year == kLastCalendarYear && month == 12) return;
  ShowMonth(month == 12 ? year + 1 : year, month == 12 ? 1 : month + 1);
}

void CalendarWindow::ThisMonth() {
  platform::LocalTime now = platform::GetLocalTime();
  ShowMonth(now.year, now.month);
}

void CalendarWindow::wheelEvent(QWheelEvent* event) {
  // Exactly one notch starts a delayed step; finer wheels send smaller steps, which do
  // nothing.
  int delta = event->angleDelta().y();
  if (delta == kWheelNotch) {
    previousTimer_.start(kWheelStepDelayMs, this);
  } else if (delta == -kWheelNotch) {
    nextTimer_.start(kWheelStepDelayMs, this);
  }
  event->accept();
}

void CalendarWindow::timerEvent(QTimerEvent* event) {
  bool back = event->timerId() == previousTimer_.timerId();
  bool forward = event->timerId() == nextTimer_.timerId();
  if (!back && !forward) {
    QDialog::timerEvent(event);
    return;
  }
  (back ? previousTimer_ : nextTimer_).stop();
  if (back) {
    PreviousMonth();
  } else {
    NextMonth();
  }
  // The new month is shown at once, then the window waits, which throttles fast wheels.
  grid_->repaint();
  QThread::msleep(kWheelStepDelayMs);
}

bool CalendarWindow::event(QEvent* event) {
  if (event->type() == CommandEvent::EventType()) {
    if (static_cast<CommandEvent*>(event)->Id() == kCalendarNameCommand) EditNames();
    return true;
  }
  return QDialog::event(event);
}

void CalendarWindow::ChooseYearMonth() {
  CYearMonthDialog dialog(Year(), Month(), this);
  if (dialog.exec() == QDialog::Accepted) ShowMonth(dialog.Year(), dialog.Month());
}

void CalendarWindow::EditNames() {
  CNameDialog dialog(faces_, surname_, givenName_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  SetNames(dialog.Surname(), dialog.GivenName());
  grid_->update();
}

void CalendarWindow::EditCalendarSettings() {
  CPropertySheetCalendar sheet(settings_, this);
  if (sheet.exec() == QDialog::Accepted) {
    settings_ = sheet.Settings();
    if (!calendar::WriteCalendarSettings(ini_, settings_)) {
      platform::ShowMessageBox(this, texts::kSaveFailed, texts::kWindowTitle, platform::MessageButtons::Ok,
                               platform::MessageIcon::Warning);
    }
    grid_->SetSettings(settings_);
  } else if (sheet.ResetRequested()) {
    switch (calendar::RestoreFactoryCalendarSettings(ini_)) {
      case calendar::FactoryRestore::Restored:
        settings_ = calendar::ReadCalendarSettings(ini_);
        grid_->SetSettings(settings_);
        break;
      case calendar::FactoryRestore::FactoryFileMissing:
        platform::ShowMessageBox(this, texts::kResetNoFactoryFile, texts::kWindowTitle, platform::MessageButtons::Ok,
                                 platform::MessageIcon::Warning);
        break;
      case calendar::FactoryRestore::WriteFailed:
        platform::ShowMessageBox(this, texts::kResetWriteFailed, texts::kWindowTitle, platform::MessageButtons::Ok,
                                 platform::MessageIcon::Warning);
        break;
    }
  }
  grid_->update();
}

void CalendarWindow::Print() {
  QPrinter printer(QPrinter::HighResolution);
  if (!CurrentPrintDialog()(printer, this)) return;
  bool printed = PrintCalendarPages(printer, {grid_->Request()}, grid_->size());
  platform::ShowMessageBox(this, printed ? texts::kPrintDone : texts::kPrintFailed, core::texts::kApplicationTitle);
}

void CalendarWindow::FindLuckyDays() {
  platform::LocalTime now = platform::GetLocalTime();
  MonthGridRequest request = grid_->Request();
  LuckyDayDialog dialog({now.year, now.month, now.day}, settings_.choices, request.engine,
                        calendar::FullNameOf(surname_, givenName_), this);
  if (dialog.exec() == QDialog::Accepted && dialog.ChosenDay()) {
    ShowMonth(dialog.ChosenDay()->year, dialog.ChosenDay()->month);
  }
}

void CalendarWindow::ExportCalendar() {
  calendar::AlmanacExportRequest request;
  request.choices = settings_.choices;
  request.engine = grid_->Request().engine;
  request.fullName = calendar::FullNameOf(surname_, givenName_);
  IcsExportDialog dialog(Year(), Month(), request, this);
  dialog.exec();
}

}  // namespace nuvaro::ui
