// The calendar window on screen: the name and month it opens on, month steps by button
// and wheel, the year-month and name dialogs, the settings sheet with its file, the
// drawn grid checked at a few pixels, and printing into a PDF.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QFontMetrics>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QLabel>

#include <cstdlib>
#include <functional>
#include <memory>

#include "calendar/old_calendar_label.h"
#include "calendar/rokuyou.h"
#include "core/engine_binding.h"
#include "core/face.h"
#include "platform/core/local_clock.h"
#include "platform/qt/text_conversion.h"
#include "file_faults.h"
#include "program_folder.h"
#include "recording_message_sink.h"
#include "test_text.h"
#include "ui/calendar/calendar_settings_sheet.h"
#include <QTabWidget>
#include "ui/calendar/calendar_window.h"
#include "ui/calendar/month_grid.h"
#include "ui/calendar/name_dialog.h"
#include "ui/calendar/year_month_dialog.h"
#include "ui/controls/color_button.h"
#include "ui/controls/hover_button.h"
#include "ui/controls/link_label.h"
#include "ui/fonts/font_substitutions.h"

using nuvaro::testing::ProgramFolder;
using nuvaro::testing::RecordingMessageSink;
using nuvaro::testing::Sjis;
using nuvaro::testing::Utf8;
using namespace nuvaro;
using namespace nuvaro::ui;

namespace {

// Runs `act` on the next modal dialog once it is shown (the caller then opens it).
void WhenModal(std::function<void(QWidget*)> act) {
  auto poll = std::make_shared<std::function<void()>>();
  *poll = [act, poll] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      act(modal);
      *poll = nullptr;  // the stored copy held `poll` itself: break the cycle once done
    } else {
      QTimer::singleShot(10, *poll);
    }
  };
  QTimer::singleShot(0, *poll);
}

QRgb Rgb(std::uint32_t colourRef) { return qRgb(colourRef & 0xFF, (colourRef >> 8) & 0xFF, (colourRef >> 16) & 0xFF); }

// Pixels of a colour within a rectangle of an image.
int CountColour(const QImage& image, const QRect& rect, QRgb colour) {
  int count = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
  }
  return count;
}

QRect ToQRect(const calendar::GridRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

QString PdfText(const QString& path) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), path, QStringLiteral("-")});
  process.waitForFinished(30000);
  // Without white space, so a label the extraction splits still matches.
  return QString::fromUtf8(process.readAllStandardOutput()).remove(QRegularExpression(QStringLiteral("\\s")));
}

}  // namespace

class CalendarWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ProgramFolder> folder_;
  std::unique_ptr<RecordingMessageSink> sink_;
  core::EngineBinding engine_;
  core::CFace faces_;

  std::unique_ptr<CalendarWindow> OpenWindow() {
    return std::make_unique<CalendarWindow>(faces_, CalendarEngine(engine_));
  }

 private slots:
  void initTestCase() {
    folder_ = std::make_unique<ProgramFolder>();
    folder_->CopyEngine();
    QVERIFY(engine_.Bind());
    sink_ = std::make_unique<RecordingMessageSink>();
    InstallFontSubstitutions();
    platform::PinLocalTime(platform::LocalTime{2009, 2, 10, 12, 0, 0, 2});
  }

  void init() {
    faces_.CreateSelf();
    faces_.SetSelf(Sjis("山田 花子,女,30"));
    sink_->Clear();
    std::filesystem::remove(folder_->File("Calendar.ini"));
    std::filesystem::remove(folder_->File("Calendar.ior"));
  }

  void cleanupTestCase() {
    platform::PinLocalTime(std::nullopt);
    engine_.Release();
  }

  void opensOnThisMonthForTheUser() {
    auto window = OpenWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(window->windowTitle(), QString::fromUtf8("運勢カレンダー"));
    QCOMPARE(window->TitleLabel()->text(), QString::fromUtf8("●山田花子さんの運勢カレンダー"));
    QCOMPARE(window->YearMonthLabel()->text(), QString::fromUtf8("2009年2月"));
    QCOMPARE(window->Button(kCalendarChooseMonthId)->size(), QSize(58, 28));  // one frame of strip 183
    QTRY_VERIFY(window->Grid()->PaintCount() > 0);
    const MonthGridDrawing& drawing = window->Grid()->LastDrawing();
    QCOMPARE(drawing.layout.rows, 4);
    QCOMPARE(drawing.data.engineRequests, 28);
    QCOMPARE(drawing.todayDay, 10);
    QVERIFY(!drawing.data.readings[0].readingText.empty());
    // Hovering a day tells its whole reading (the cell may hold only its beginning) and
    // its almanac items; the weekday header tells nothing.
    auto tipAt = [&](int day) {
      const calendar::GridRect& cell = drawing.layout.DayCell(day).rect;
      return window->Grid()->DayToolTip(QPoint(cell.left + 2, cell.bottom - 2));
    };
    QCOMPARE(tipAt(1), platform::QStringFromCp932(drawing.data.readings[0].readingText));
    QVERIFY(tipAt(4).endsWith(QString::fromUtf8("立春")));
    QVERIFY(window->Grid()->DayToolTip(QPoint(drawing.layout.DayCell(1).rect.left + 2, 5)).isEmpty());

    // The user still unnamed: empty names in the title and no engine requests at all.
    faces_.CreateSelf();
    auto unnamed = OpenWindow();
    QCOMPARE(unnamed->TitleLabel()->text(), QString::fromUtf8("●さんの運勢カレンダー"));
    unnamed->Grid()->RenderImage();
    QCOMPARE(unnamed->Grid()->LastDrawing().data.engineRequests, 0);

    // A name the engine cannot read gives no day texts rather than a table's title.
    faces_.SetSelf(Sjis("@@ ##,男,30"));
    auto unreadable = OpenWindow();
    unreadable->Grid()->RenderImage();
    for (const calendar::DayReading& reading : unreadable->Grid()->LastDrawing().data.readings) {
      QVERIFY(reading.readingText.empty());
    }
  }

  void monthStepsStayWithinTheRange_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("expectedYear");
    QTest::addColumn<int>("expectedMonth");
    QTest::newRow("previous over new year") << 2005 << 1 << kCalendarPreviousId << 2004 << 12;
    QTest::newRow("next over new year") << 2005 << 12 << kCalendarNextId << 2006 << 1;
    QTest::newRow("previous at the first month") << 2000 << 1 << kCalendarPreviousId << 2000 << 1;
    QTest::newRow("next at the last month") << 2099 << 12 << kCalendarNextId << 2099 << 12;
    QTest::newRow("this month") << 2050 << 7 << kCalendarThisMonthId << 2009 << 2;
  }
  void monthStepsStayWithinTheRange() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, button);
    QFETCH(int, expectedYear);
    QFETCH(int, expectedMonth);
    auto window = OpenWindow();
    window->ShowMonth(year, month);
    QTest::mouseClick(window->Button(button), Qt::LeftButton);
    QCOMPARE(window->Year(), expectedYear);
    QCOMPARE(window->Month(), expectedMonth);
    QCOMPARE(window->YearMonthLabel()->text(), QString::fromUtf8("%1年%2月").arg(expectedYear).arg(expectedMonth));
    // The whole text fits its label, two-digit months too (never under the buttons).
    const QLabel* label = window->YearMonthLabel();
    QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width());
  }

  void oneWheelNotchMovesOneMonth() {
    auto window = OpenWindow();
    window->show();
    auto wheel = [&window](int delta) {
      QWheelEvent event(QPointF(300, 300), window->mapToGlobal(QPointF(300, 300)), QPoint(), QPoint(0, delta),
                        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(window.get(), &event);
    };
    wheel(-120);
    QCOMPARE(window->Month(), 2);  // only after the delay
    QTRY_COMPARE(window->Month(), 3);
    wheel(120);
    QTRY_COMPARE(window->Month(), 2);
    wheel(60);  // a high-resolution wheel's partial step
    wheel(-240);
    QTest::qWait(300);
    QCOMPARE(window->Month(), 2);
  }

  void yearMonthDialogRefusesOutOfRange_data() {
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("message");
    QTest::newRow("1999") << "1999" << "5" << QString::fromUtf8("２０００～２０９９年の値を設定してください。");
    QTest::newRow("2100") << "2100" << "5" << QString::fromUtf8("２０００～２０９９年の値を設定してください。");
    QTest::newRow("month 13") << "2003" << "13" << QString::fromUtf8("１～１２月の値を設定してください。");
    QTest::newRow("month 0") << "2003" << "0" << QString::fromUtf8("１～１２月の値を設定してください。");
  }
  void yearMonthDialogRefusesOutOfRange() {
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, message);
    auto window = OpenWindow();
    bool stayedOpen = false;
    WhenModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<CYearMonthDialog*>(modal);
      QVERIFY(dialog != nullptr);
      QCOMPARE(dialog->YearField()->text(), QStringLiteral("2009"));
      dialog->YearField()->setText(year);
      dialog->MonthField()->setText(month);
      dialog->accept();
      stayedOpen = dialog->isVisible();
      dialog->YearField()->setText(QStringLiteral("2003"));
      dialog->MonthField()->setText(QStringLiteral("8"));
      dialog->accept();
    });
    window->ChooseYearMonth();
    QVERIFY(stayedOpen);
    QCOMPARE(QString::fromStdString(sink_->Texts().at(0)), message);
    QCOMPARE(window->Year() * 100 + window->Month(), 200308);
    QCOMPARE(window->Grid()->RenderImage().isNull(), false);
    QCOMPARE(window->Grid()->LastDrawing().layout.rows, 6);

    WhenModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    window->ChooseYearMonth();
    QCOMPARE(window->Year() * 100 + window->Month(), 200308);
  }

  void nameDialogOffersTheBoardsPeople() {
    faces_.AddFace(300, 300, Sjis("鈴木 一郎,男,40"), engine_);
    faces_.AddFace(500, 300, Sjis("佐藤 次郎,男,20"), engine_);
    faces_.Discard(2);
    auto window = OpenWindow();
    WhenModal([](QWidget* modal) {
      auto* dialog = qobject_cast<CNameDialog*>(modal);
      QVERIFY(dialog != nullptr);
      QCOMPARE(dialog->CurrentNameField()->text(), QString::fromUtf8("山田 花子"));
      QCOMPARE(dialog->NameList()->count(), 2);  // the user and the active face only
      QCOMPARE(dialog->SurnameField()->text(), QString::fromUtf8("山田"));
      dialog->NameList()->setCurrentIndex(1);
      emit dialog->NameList()->activated(1);
      QCOMPARE(dialog->GivenNameField()->text(), QString::fromUtf8("一郎"));
      dialog->accept();
    });
    QTest::mouseClick(window->TitleLabel(), Qt::LeftButton);  // command 100 opens the dialog
    QTRY_COMPARE(window->TitleLabel()->text(), QString::fromUtf8("●鈴木一郎さんの運勢カレンダー"));
    QCOMPARE(Utf8(window->Grid()->Surname()), std::string("鈴木"));
  }

  void settingsSheetWritesOnOkOnly() {
    auto window = OpenWindow();
    // Cancel writes nothing.
    WhenModal([](QWidget* modal) {
      auto* sheet = qobject_cast<CPropertySheetCalendar*>(modal);
      QVERIFY(sheet != nullptr);
      sheet->ItemPage()->CheckBox(1041)->setChecked(false);
      sheet->reject();
    });
    window->EditCalendarSettings();
    QVERIFY(!folder_->Exists("Calendar.ini"));
    QCOMPARE(window->Grid()->Settings().kyujitu, 1);

    // OK writes all sixteen keys and the grid shows the change at once.
    WhenModal([](QWidget* modal) {
      auto* sheet = qobject_cast<CPropertySheetCalendar*>(modal);
      sheet->ItemPage()->CheckBox(1041)->setChecked(false);
      sheet->ColorPage()->Button(1050)->SetColour(0x00FF00);
      sheet->accept();
    });
    window->EditCalendarSettings();
    std::string file = folder_->Read("Calendar.ini");
    QVERIFY(file.find("Kyujitu=0\n") != std::string::npos);
    QVERIFY(file.find("HolidayBackground=65280\n") != std::string::npos);
    QVERIFY(file.find("Background=16777215\n") != std::string::npos);
    QCOMPARE(std::count(file.begin(), file.end(), '='), 19);
    QCOMPARE(window->Grid()->Settings().kyujitu, 0);
    QCOMPARE(window->Grid()->Settings().holidayBackground, 0x00FF00);
  }

  // The group "暦": preset from the window's copy, nothing kept on Cancel, written on OK,
  // read back by the next window, and the grid drawn from the chosen holidays at once.
  void reckoningBoxesRoundTripThroughTheFile() {
    auto window = OpenWindow();
    window->ShowMonth(2026, 8);
    auto mountainDay = [&window] {
      window->Grid()->RenderImage();
      const calendar::MonthDrawingData& data = window->Grid()->LastDrawing().data;
      const calendar::HolidayDay* day = calendar::FindHolidayDay(data.holidays, 8, 11);
      return day != nullptr && Utf8(day->name) == "山の日";
    };
    QVERIFY(mountainDay());
    bool presetLaw = false, presetExact = false;
    WhenModal([&](QWidget* modal) {
      auto* page = qobject_cast<CPropertySheetCalendar*>(modal)->ItemPage();
      presetLaw = page->HolidayLawBox()->isChecked();
      presetExact = page->ExactLunarBox()->isChecked();
      page->HolidayLawBox()->setChecked(false);
      static_cast<QDialog*>(modal)->reject();
    });
    window->EditCalendarSettings();
    QVERIFY(presetLaw);
    QVERIFY(presetExact);
    QVERIFY(!folder_->Exists("Calendar.ini"));
    QVERIFY(mountainDay());

    WhenModal([](QWidget* modal) {
      auto* page = qobject_cast<CPropertySheetCalendar*>(modal)->ItemPage();
      page->HolidayLawBox()->setChecked(false);
      page->ExactLunarBox()->setChecked(false);
      static_cast<QDialog*>(modal)->accept();
    });
    window->EditCalendarSettings();
    std::string file = folder_->Read("Calendar.ini");
    QVERIFY2(file.find("Rokuyou=1\nHolidayLaw=0\nExactLunar=0\nRekichu=1\n[Color]") != std::string::npos, file.c_str());
    QVERIFY(!mountainDay());

    auto next = OpenWindow();
    QCOMPARE(next->Grid()->Settings().choices, (calendar::CalendarChoices{false, false}));
    WhenModal([&](QWidget* modal) {
      auto* page = qobject_cast<CPropertySheetCalendar*>(modal)->ItemPage();
      presetLaw = page->HolidayLawBox()->isChecked();
      presetExact = page->ExactLunarBox()->isChecked();
      static_cast<QDialog*>(modal)->reject();
    });
    next->EditCalendarSettings();
    QVERIFY(!presetLaw);
    QVERIFY(!presetExact);
  }

  void resetAsksAndCopiesTheFactoryFile() {
    const std::string factory =
        "[Display]\nKao=1\nKantei=1\nKyujitu=1\nKyureki=0\nRokuyou=1\nHolidayLaw=1\nExactLunar=0\n[Color]\nData=255\n";
    folder_->Write("Calendar.ior", factory);
    folder_->Write("Calendar.ini", "[Display]\nKyureki=1\nHolidayLaw=0\nExactLunar=1\n");
    auto window = OpenWindow();
    bool openAfterCancel = false;
    WhenModal([&](QWidget* modal) {
      auto* sheet = qobject_cast<CPropertySheetCalendar*>(modal);
      sheet->ItemPage()->CheckBox(1039)->setChecked(false);
      sink_->QueueAnswer(platform::kIdCancel);
      QTest::mouseClick(sheet->ResetButton(), Qt::LeftButton);
      openAfterCancel = sheet->isVisible() && !sheet->ItemPage()->CheckBox(1039)->isChecked();
      sink_->QueueAnswer(platform::kIdOk);
      QTest::mouseClick(sheet->ResetButton(), Qt::LeftButton);
    });
    window->EditCalendarSettings();
    QVERIFY(openAfterCancel);
    QCOMPARE(sink_->messages.size(), std::size_t(2));
    QCOMPARE(QString::fromStdString(sink_->messages[0].text), QString::fromUtf8("初期値に戻してよろしいですか？"));
    QCOMPARE(QString::fromStdString(sink_->messages[0].caption), QString::fromUtf8("初期値設定"));
    QCOMPARE(folder_->Read("Calendar.ini"), factory);
    QCOMPARE(window->Grid()->Settings().kyureki, 0);
    QCOMPARE(window->Grid()->Settings().data, 255);
    QCOMPARE(window->Grid()->Settings().rokuyou, 1);  // the page's edit was discarded
    QCOMPARE(window->Grid()->Settings().choices, (calendar::CalendarChoices{true, false}));
  }

  // The colour page's sample month is drawn in the colours the buttons show now.
  void colourSampleFollowsTheButtons() {
    CPropertySheetCalendar sheet(calendar::CalendarSettings{});
    sheet.Tabs()->setCurrentWidget(sheet.ColorPage());
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    const QRect sample = CPageCalendarColor::SampleRect();
    auto count = [&](std::uint32_t colour) { return CountColour(sheet.ColorPage()->grab().toImage(), sample, Rgb(colour)); };
    const int area = sample.width() * sample.height();
    QVERIFY(count(0xFFFFFF) > area / 2);
    QCOMPARE(count(0x00C000), 0);
    sheet.ColorPage()->Button(1044)->SetColour(0x00C000);  // 背景
    QVERIFY(count(0x00C000) > area / 2);
    QVERIFY(count(0xFFFFFF) < area / 10);
  }

  // A name the engine cannot count: the window says so beside the title, and the days
  // have neither readings nor faces; a countable name draws both and no note.
  void aNameTheEngineCannotCountIsSaidAndDrawsNoFaces() {
    for (const char* member : {"ヴォーン ケイ,男,30", "山田 花子,女,30"}) {
      const bool countable = std::string(member).starts_with("山田");
      faces_.SetSelf(Sjis(member));
      auto window = OpenWindow();
      window->ShowMonth(2026, 5);
      window->Grid()->RenderImage();
      const calendar::MonthDrawingData& data = window->Grid()->LastDrawing().data;
      QCOMPARE(data.nameUncountable, !countable);
      QCOMPARE(!window->NameNote()->isHidden(), !countable);
      // The whole note fits beside the title.
      QVERIFY(window->NameNote()->fontMetrics().horizontalAdvance(window->NameNote()->text()) <=
              window->NameNote()->contentsRect().width());
      const calendar::DayCellContent cell = calendar::DecideDayCell(data, window->Settings(), 1, 5);
      QCOMPARE(cell.facePicture != 0, countable);
      QCOMPARE(cell.reading.empty(), !countable);
    }
  }

  // A save or reset that fails says so, and what it says is true: the file is as it was.
  void failedSaveAndResetAreToldTruly_data() {
    QTest::addColumn<bool>("reset");
    QTest::addColumn<bool>("factoryFile");
    QTest::addColumn<QString>("told");
    QTest::newRow("OK, disk full") << false << true << QStringLiteral("カレンダーの設定を保存できませんでした。");
    QTest::newRow("reset, no Calendar.ior") << true << false << QStringLiteral("Calendar.ior が見つかりません");
    QTest::newRow("reset, disk full") << true << true << QStringLiteral("Calendar.ini に書き込めませんでした");
  }
  void failedSaveAndResetAreToldTruly() {
    QFETCH(bool, reset);
    QFETCH(bool, factoryFile);
    QFETCH(QString, told);
    const std::string before = "[Display]\nKao=0\n";
    folder_->Write("Calendar.ini", before);
    if (factoryFile) folder_->Write("Calendar.ior", std::string(400, ';'));
    auto window = OpenWindow();
    WhenModal([&](QWidget* modal) {
      auto* sheet = qobject_cast<CPropertySheetCalendar*>(modal);
      if (!reset) return sheet->accept();
      sink_->QueueAnswer(platform::kIdOk);
      QTest::mouseClick(sheet->ResetButton(), Qt::LeftButton);
    });
    {
      nuvaro::testing::DiskFullAfter full(before.size() + 20);
      window->EditCalendarSettings();
    }
    QCOMPARE(folder_->Read("Calendar.ini"), before);
    QVERIFY(!sink_->messages.empty());
    const QString shown = QString::fromStdString(sink_->messages.back().text);
    QVERIFY2(shown.contains(told), qPrintable(shown));
    QCOMPARE(window->Grid()->Settings().kao, 0);
  }

  void resetSheetButtonSitsBesideOk() {
    CPropertySheetCalendar sheet(calendar::CalendarSettings{});
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    QPoint ok = sheet.OkButton()->mapTo(&sheet, QPoint(0, 0));
    QCOMPARE(sheet.ResetButton()->y(), ok.y());
    QCOMPARE(sheet.ResetButton()->width(), sheet.OkButton()->width());
    QCOMPARE(sheet.ResetButton()->x(), sheet.Tabs()->x());
    QCOMPARE(sheet.Tabs()->tabText(0), QString::fromUtf8("表示"));
    QCOMPARE(sheet.Tabs()->tabText(1), QString::fromUtf8("色"));
  }

  void drawnGridShowsColoursAndToday() {
    auto window = OpenWindow();
    CMonthGrid* grid = window->Grid();
    QImage image = grid->RenderImage();
    const MonthGridDrawing& drawing = grid->LastDrawing();
    const calendar::MonthGridLayout& layout = drawing.layout;
    calendar::CalendarSettings s;
    // Header boxes: the Sunday box red, a weekday box golden yellow.
    QVERIFY(CountColour(image, ToQRect(calendar::HeaderBox(layout, 0)), Rgb(s.holidayBackground)) > 200);
    QVERIFY(CountColour(image, ToQRect(calendar::HeaderBox(layout, 3)), Rgb(s.weekBackground)) > 200);
    // Today (the 10th) filled light yellow; the 12th stays white.
    QVERIFY(CountColour(image, ToQRect(layout.DayCell(10).rect), Rgb(0xCCFFFF)) > 1000);
    QCOMPARE(CountColour(image, ToQRect(layout.DayCell(12).rect), Rgb(0xCCFFFF)), 0);
    // Day numbers: the 11th (a holiday on a Wednesday) and the 1st (a Sunday) in the
    // holiday colour, the 12th in the weekday colour.
    auto number = [&layout](int day) { return ToQRect(calendar::CellAreas(layout.DayCell(day).rect).dayNumber); };
    QVERIFY(CountColour(image, number(11), Rgb(s.holidayDate)) > 5);
    QVERIFY(CountColour(image, number(1), Rgb(s.holidayDate)) > 5);
    QCOMPARE(CountColour(image, number(12), Rgb(s.holidayDate)), 0);
    QVERIFY(CountColour(image, number(12), Rgb(s.weekDate)) > 5);

    // Printed pages have no today mark.
    QImage printed(grid->size(), QImage::Format_RGB32);
    QPainter painter(&printed);
    DrawMonthGrid(painter, grid->rect(), grid->Request(), 1);
    QCOMPARE(CountColour(printed, ToQRect(layout.DayCell(10).rect), Rgb(0xCCFFFF)), 0);
  }

  // With NUVARO_SCREENSHOT_DIR set (a run under a real X server), the window is saved
  // there for three telling months, so it can be looked at.
  void screenshots() {
    const char* dir = std::getenv("NUVARO_SCREENSHOT_DIR");
    if (dir == nullptr || *dir == '\0') QSKIP("NUVARO_SCREENSHOT_DIR is not set");
    auto window = OpenWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    for (auto [year, month] : {std::pair{2009, 2}, std::pair{2003, 8}, std::pair{2006, 1}}) {
      window->ShowMonth(year, month);
      QTest::qWait(300);
      QString name = QStringLiteral("calendar_%1_%2.png").arg(year).arg(month, 2, 10, QLatin1Char('0'));
      QVERIFY(window->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(name)));
    }
    CPropertySheetCalendar sheet(window->Settings(), window.get());
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    for (int tab : {0, 1}) {
      sheet.Tabs()->setCurrentIndex(tab);
      QTest::qWait(200);
      QVERIFY(sheet.grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("sheet_%1.png").arg(tab))));
    }
  }

  void printsThroughTheInjectedPrinter() {
    QString pdf = QString::fromStdString(folder_->File("printed.pdf"));
    CalendarWindow::PrintDialog previous = CalendarWindow::SetPrintDialog([pdf](QPrinter& printer, QWidget*) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pdf);
      return true;
    });
    auto window = OpenWindow();
    window->ShowMonth(2006, 1);
    window->Print();
    CalendarWindow::SetPrintDialog(previous);
    QCOMPARE(QString::fromStdString(sink_->Texts().at(0)), QString::fromUtf8("印刷が終了しました。"));
    QString text = PdfText(pdf);
    QVERIFY2(text.contains(QString::fromUtf8("2006年1月")), qPrintable(text));
    QVERIFY(text.contains(QString::fromUtf8("●山田花子さんの運勢カレンダー")));
    // The current law by default: 元日 on its Sunday, 振替休日 on the Monday after it.
    QVERIFY(text.contains(QString::fromUtf8("元日")));
    QVERIFY(text.contains(QString::fromUtf8("振替休日")));
    QVERIFY(text.contains(QString::fromUtf8("成人の日")));
    QVERIFY(text.contains(QString::fromStdString(Utf8(calendar::OldCalendarLabel(2006, 1, 29))).remove(QLatin1Char(' '))));

    // A cancelled dialog prints nothing and says nothing.
    sink_->Clear();
    previous = CalendarWindow::SetPrintDialog([](QPrinter&, QWidget*) { return false; });
    window->Print();
    CalendarWindow::SetPrintDialog(previous);
    QVERIFY(sink_->messages.empty());
  }
};

QTEST_MAIN(CalendarWindowTest)
#include "calendar_window_test.moc"
