// The main frame over a real model (engine and the four delivered plug-ins in a program
// folder of the test's own): the opening screen, the bars shown and hidden as a reading
// is chosen and left, the board toolbar's commands, the information menu, closing, and
// the bars' hover buttons.
#include <QtTest>

#include <QAction>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTableWidget>
#include <QToolBar>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "board/board_commands.h"
#include "board/name_plate.h"
#include "board/nuvaro_scroll_view.h"
#include "core/application_core.h"
#include "members/entry_toolbar.h"
#include "platform/qt/text_conversion.h"
#include "program_folder.h"
#include "recording_message_sink.h"
#include "test_text.h"
#include "ui/chart/percentage_dialog.h"
#include "platform/core/local_clock.h"
#include "ui/calendar/calendar_window.h"
#include "ui/controls/hover_button.h"
#include "ui/controls/link_label.h"
#include "ui/detail/band_label.h"
#include "ui/detail/contents_dialog.h"
#include "ui/fonts/font_substitutions.h"
#include "ui/frame/brand_menu_toolbar.h"
#include "ui/frame/frame_commands.h"
#include "ui/frame/main_frame.h"
#include "ui/frame/nuvaro_menu_toolbar.h"
#include "ui/frame/nuvaro_vert_toolbar.h"
#include "ui/frame/version_dialog.h"
#include "ui/guide/guide_menu_view.h"
#include "ui/naming/surname_change_dialog.h"

using namespace nuvaro;
using namespace nuvaro::ui;
using testing::Sjis;

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// Which bars are shown, in the order brand, menu bar, board toolbar, member-list bar.
struct Bars {
  bool brand, menu, board, entry;
  bool operator==(const Bars&) const = default;
};
Bars ShownBars(const CMainFrame& frame) {
  return {frame.IsBrandBarShown(), frame.IsMenuBarShown(), frame.IsBoardToolbarShown(), frame.IsEntryBarShown()};
}
constexpr Bars kGuideBars{true, false, false, false};
constexpr Bars kBoardBars{false, true, true, true};

// A model over a program folder with the engine and the delivered plug-ins, and the
// main frame on it with the guide menu, the board and the member-list bar.
struct FrameBench {
  testing::ProgramFolder folder;
  testing::RecordingMessageSink sink;
  std::unique_ptr<core::ApplicationCore> core;
  std::unique_ptr<CMainFrame> frame;
  int versionDialogs = 0;

  // withOwnReading: the own-reading plug-in beside the delivered four.
  explicit FrameBench(bool withOwnReading = false) {
    folder.CopyEngine();
    folder.CopyDeliveredPlugins();
    if (withOwnReading) folder.CopyBuiltPlugin("SelfReading.nvr", "SelfReading.nvr");
    folder.InstallFakeCompanion("NuvaroHelp");
    folder.InstallFakeCompanion("NuvaroNavi");
    core = std::make_unique<core::ApplicationCore>();
    if (!core->InitInstance()) throw std::runtime_error("the model did not start");
    std::vector<CSDIDocTemplate> templates = {
        {kGuideMenuTemplate, "CGuideMenuView",
         [this](QWidget* parent) {
           return new CGuideMenuView(core->Plugins(), core->Document().Face(), core->Companions(), core->Fonts(), parent);
         }},
        {kBoardTemplate, "CNuvaroScrollView",
         [this](QWidget* parent) {
           return new CNuvaroScrollView(core->Document(), core->Plugins(), core->Engine(), parent);
         }},
    };
    frame = std::make_unique<CMainFrame>(*core, templates, [this](QWidget* parent) {
      return new CEntryToolbar(core->MemberLists(), parent);
    });
    frame->SetVersionDialogRunner([this](QWidget*) { ++versionDialogs; });
  }
  ~FrameBench() {
    frame.reset();
    core->ExitInstance();
  }

  bool Show() {
    frame->show();
    return QTest::qWaitForWindowExposed(frame.get());
  }
  CGuideMenuView* Guide() const { return qobject_cast<CGuideMenuView*>(frame->View("CGuideMenuView")); }
  core::CFace& Face() const { return core->Document().Face(); }
  // Clicks the guide entry with this command number (the entries are rows 1, 2, 4, 5).
  void ChooseReading(int command) {
    for (const auto& pair : Guide()->Entries()) {
      if (pair.label->CommandIdentifier().value_or(-1) == command) QTest::mouseClick(pair.label, Qt::LeftButton);
    }
    QTRY_COMPARE(frame->ActiveViewClass(), QString("CNuvaroScrollView"));
  }
  // Names the user and adds one other face.
  void PutTwoPeopleOnTheBoard() {
    core::CNuvaroDoc& document = core->Document();
    core::BoardRect self = document.Face().Entry(0).face;
    document.Drop({self.left + 5, self.top + 5}, Sjis("見本 太郎,男,30"), core->Engine());
    document.Drop({self.left - 200, self.top}, Sjis("見本 花子,女,20"), core->Engine());
  }
};

void SendEnter(QWidget* widget) {
  QPointF local(5, 5);
  QEnterEvent enter(local, local, widget->mapToGlobal(local));
  QApplication::sendEvent(widget, &enter);
}
void SendLeave(QWidget* widget) {
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(widget, &leave);
}

}  // namespace

class MainFrameTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallFontSubstitutions(); }

  void theOpeningScreen() {
    FrameBench bench;
    CMainFrame& frame = *bench.frame;
    QCOMPARE(frame.size(), QSize(800, 600));
    QCOMPARE(frame.windowTitle(), U("ガイドメニュー"));
    QCOMPARE(frame.ViewCount(), 2);
    QCOMPARE(frame.ActiveViewClass(), QString("CGuideMenuView"));
    QCOMPARE(frame.ActiveTemplateId(), 128);
    QVERIFY(frame.View("CNuvaroScrollView")->isHidden());
    QVERIFY(ShownBars(frame) == kGuideBars);
    QVERIFY(frame.findChild<QMenuBar*>() == nullptr);
    QVERIFY(bench.Show());
    QVERIFY(ShownBars(frame) == kGuideBars);
    const QRect desktop = frame.screen()->availableGeometry();
    QTRY_VERIFY(qAbs(frame.frameGeometry().center().x() - desktop.center().x()) <= 1);
    QTRY_VERIFY(qAbs(frame.frameGeometry().center().y() - desktop.center().y()) <= 1);
    QVERIFY(bench.sink.messages.empty());
  }

  void theMemberListBarFloatsBesideTheFrame() {
    FrameBench bench;
    QVERIFY(bench.Show());
    QWidget* bar = bench.frame->EntryBar();
    QVERIFY(bar != nullptr);
    QVERIFY(bar->isWindow());
    QTRY_COMPARE(bar->pos().x(), bench.frame->frameGeometry().left() + kEntryBarOffsetX);
    QCOMPARE(bar->pos(), bench.frame->EntryBarPosition());
  }

  void choosingAReading_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("lowerText");
    QTest::addColumn<QString>("percentageCaption");
    QTest::newRow("married couples' compatibility")
        << 1 << U("夫婦の相性編")
        << U("相手の知られざる思いと同時に愛情のあり方を知り、あなたとの相性からあなたに何を願っているかという心の不思議さがわかります。")
        << U("愛情度");
    QTest::newRow("lovers' compatibility")
        << 2 << U("恋人の相性編")
        << U("相手の知られざる思いと同時に愛情のあり方を知り、あなたとの相性からあなたに何を願っているかという心の不思議さがわかります。")
        << U("愛情度");
    QTest::newRow("married couples' tactics")
        << 3 << U("夫婦の攻略編")
        << U("相手の知られざる思いと同時に、愛情のあり方を知ることによって、心の交流が相互にできるようになります。")
        << U("実践度");
    QTest::newRow("lovers' tactics")
        << 4 << U("恋人の攻略編")
        << U("相手の知られざる思いと同時に、愛情のあり方を知ることによって、心の交流が相互にできるようになります。")
        << U("実践度");
  }
  void choosingAReading() {
    QFETCH(int, command);
    QFETCH(QString, title);
    QFETCH(QString, lowerText);
    QFETCH(QString, percentageCaption);
    FrameBench bench;
    QVERIFY(bench.Show());
    bench.ChooseReading(command);
    CMainFrame& frame = *bench.frame;
    QCOMPARE(bench.Face().activeEvent, command);
    QVERIFY(ShownBars(frame) == kBoardBars);
    QCOMPARE(frame.ActiveTemplateId(), 129);
    QVERIFY(frame.View("CGuideMenuView")->isHidden());
    QCOMPARE(frame.windowTitle(), title);
    QCOMPARE(frame.MenuBar()->UpperText(), title);
    QCOMPARE(frame.MenuBar()->LowerText(), lowerText);
    QCOMPARE(frame.BoardToolbar()->Button(kCommandPercentage)->text(), percentageCaption);
  }

  // The user's own reading (mode 6) lasts until a reading is chosen again: the chosen
  // reading's titles, its percentage button and its balloons follow, not the own one's.
  void aReadingChosenAfterTheOwnPlateIsThatReading() {
    FrameBench bench(true);
    QVERIFY(bench.Show());
    bench.ChooseReading(2);  // 恋人の相性編 (the own reading, third by file name, takes id 3)
    bench.PutTwoPeopleOnTheBoard();
    QString ownTitle;
    std::function<void()> closeOwnReading = [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr) {
        QTimer::singleShot(10, closeOwnReading);
        return;
      }
      ownTitle = bench.frame->findChild<CContentsDialog*>()->TitleLabel()->text();
      static_cast<QDialog*>(modal)->reject();
    };
    QTimer::singleShot(0, closeOwnReading);
    auto* board = qobject_cast<CNuvaroScrollView*>(bench.frame->View("CNuvaroScrollView"));
    QVERIFY(board->HandleCommand(NamePlateCommand(0)));
    QCOMPARE(ownTitle, U("●あなたの姓名鑑定"));
    QCOMPARE(bench.Face().mode, 6);

    QTest::mouseClick(bench.frame->BoardToolbar()->Button(kCommandMenu), Qt::LeftButton);
    bench.ChooseReading(2);
    QCOMPARE(bench.Face().mode, 0);
    QCOMPARE(bench.frame->windowTitle(), U("恋人の相性編"));
    QCOMPARE(bench.frame->MenuBar()->UpperText(), U("恋人の相性編"));
    QCOMPARE(bench.frame->BoardToolbar()->Button(kCommandPercentage)->text(), U("愛情度"));
  }

  void aPlateMenuComparesThatPersonUnderANewSurname() {
    FrameBench bench;
    QVERIFY(bench.Show());
    bench.ChooseReading(1);
    bench.PutTwoPeopleOnTheBoard();
    auto* board = qobject_cast<CNuvaroScrollView*>(bench.frame->View("CNuvaroScrollView"));
    board->SetPopupMenuRunner([](QWidget*, const QString&, int command, QPoint) { return command; });
    board->update();
    QTRY_VERIFY(board->NamePlate(1) != nullptr && board->NamePlate(1)->isVisible());
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), board->NamePlate(1)->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(board->NamePlate(1), &event);
    auto* dialog = bench.frame->findChild<CSurnameChangeDialog*>();
    QVERIFY(dialog != nullptr && dialog->isVisible());
    QCOMPARE(dialog->Table()->horizontalHeaderItem(1)->text(), U("見本 花子"));
    dialog->close();
  }

  void theBoardMeetsItsFinalSizeWhenFirstShown() {
    FrameBench bench;
    QVERIFY(bench.Show());
    QWidget* board = bench.frame->View("CNuvaroScrollView");
    bench.ChooseReading(3);
    QCOMPARE(board->geometry(), bench.frame->centralWidget()->rect());
    QCOMPARE(board->size(), QSize(800 - bench.frame->BoardToolbar()->parentWidget()->width(),
                                  600 - bench.frame->MenuBar()->parentWidget()->height()));
    const core::TrashBox& trash = bench.core->Document().Trash();
    QTRY_VERIFY(trash.placed);
    // Placed 10 pixels from the bottom-right corner of the board as the user sees it.
    QCOMPARE(trash.PictureRect().right, board->width() - 10);
    QCOMPARE(trash.PictureRect().bottom, board->height() - 10);
  }

  void backToTheGuideMenu_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("the board toolbar's メニュー") << 0;
    QTest::newRow("the menu bar's 戻る") << 1;
  }
  void backToTheGuideMenu() {
    QFETCH(int, way);
    FrameBench bench;
    QVERIFY(bench.Show());
    bench.ChooseReading(2);
    bench.PutTwoPeopleOnTheBoard();
    QTest::mouseClick(bench.frame->BoardToolbar()->Button(kCommandWhisper), Qt::LeftButton);
    QCOMPARE(bench.Face().whispering, 1);
    QCOMPARE(bench.Face().Entry(1).speaking, 1);

    QPushButton* button = way == 0 ? static_cast<QPushButton*>(bench.frame->BoardToolbar()->Button(kCommandMenu))
                                   : bench.frame->MenuBar()->BackButton();
    QTest::mouseClick(button, Qt::LeftButton);
    CMainFrame& frame = *bench.frame;
    QVERIFY(ShownBars(frame) == kGuideBars);
    QCOMPARE(frame.ActiveViewClass(), QString("CGuideMenuView"));
    QVERIFY(frame.View("CNuvaroScrollView")->isHidden());
    QCOMPARE(bench.Face().activeEvent, 0);
    QCOMPARE(bench.Face().whispering, 0);
    QCOMPARE(bench.Face().Entry(1).speaking, 0);
    QCOMPARE(frame.windowTitle(), U("ガイドメニュー"));
    // The people stay on the board for the next reading.
    QCOMPARE(bench.Face().LastIndex(), 1);
    bench.ChooseReading(4);
    QCOMPARE(frame.windowTitle(), U("恋人の攻略編"));
    QVERIFY(ShownBars(frame) == kBoardBars);
  }

  void theBoardToolbar() {
    FrameBench bench;
    QVERIFY(bench.Show());
    bench.ChooseReading(1);
    CNuvaroVertToolbar* toolbar = bench.frame->BoardToolbar();
    QStringList captions;
    for (CHoverButton* button : toolbar->Buttons()) {
      captions << button->text();
      QVERIFY(button->HasStrip());
      QCOMPARE(button->size(), QSize(88, 30));
    }
    QCOMPARE(captions, (QStringList{U("？使い方"), U("メニュー"), U("名前入力"), U("ヌヴァロ"), U("だまる"), U("愛情度"),
                                    U("カレンダ"), U("全消去")}));

    // "名前入力" goes to the board, which asks the frame for the member-list bar.
    bench.frame->EntryBar()->hide();
    QTest::mouseClick(toolbar->Button(kCommandNameEntry), Qt::LeftButton);
    QVERIFY(bench.frame->IsEntryBarShown());
    // "？使い方" is the frame's: the help companion.
    QTest::mouseClick(toolbar->Button(kCommandHelp), Qt::LeftButton);
    QTRY_COMPARE(bench.folder.CompanionsStarted(), std::vector<std::string>{"NuvaroHelp"});
    // "ヌヴァロ" and "だまる" reach the board.
    bench.PutTwoPeopleOnTheBoard();
    QTest::mouseClick(toolbar->Button(kCommandWhisper), Qt::LeftButton);
    QCOMPARE(bench.Face().whispering, 1);
    QTest::mouseClick(toolbar->Button(kCommandQuiet), Qt::LeftButton);
    QCOMPARE(bench.Face().whispering, 0);
    QCOMPARE(bench.frame->ActiveViewClass(), QString("CNuvaroScrollView"));
    // The percentage button opens the chart of the board's people.
    bench.sink.Clear();
    QTest::mouseClick(toolbar->Button(kCommandPercentage), Qt::LeftButton);
    QPointer<CPercentageDialog> chart = bench.frame->findChild<CPercentageDialog*>();
    QVERIFY(chart != nullptr);
    QCOMPARE(chart->windowTitle(), U("夫婦の相性編"));
    chart->close();
    QTRY_VERIFY(chart.isNull());
    // "カレンダ" opens the fortune calendar of the board's user on this month.
    QString calendarTitle, calendarMonth;
    std::function<void()> closeCalendar = [&] {
      auto* calendar = qobject_cast<CalendarWindow*>(QApplication::activeModalWidget());
      if (calendar == nullptr) {
        QTimer::singleShot(10, closeCalendar);
        return;
      }
      calendarTitle = calendar->TitleLabel()->text();
      calendarMonth = calendar->YearMonthLabel()->text();
      calendar->Button(kCalendarBackId)->click();
    };
    QTimer::singleShot(0, closeCalendar);
    QTest::mouseClick(toolbar->Button(kCommandCalendar), Qt::LeftButton);
    platform::LocalTime now = platform::GetLocalTime();
    QString userName = QString::fromStdString(testing::Utf8(bench.Face().SelfName())).remove(QLatin1Char(' '));
    QCOMPARE(calendarTitle, U("●%1さんの運勢カレンダー").arg(userName));
    QCOMPARE(calendarMonth, U("%1年%2月").arg(now.year).arg(now.month));
  }

  void theInformationMenu() {
    FrameBench bench;
    QVERIFY(bench.Show());
    CHoverButton* information = bench.frame->BrandBar()->InformationButton();
    QTest::mouseClick(information, Qt::LeftButton);
    QMenu* menu = bench.frame->InformationMenu();
    QVERIFY(menu != nullptr);
    QCOMPARE(bench.frame->InformationMenuPosition(),
             information->mapToGlobal(QPoint(-information->width(), information->height())));
    QStringList entries;
    for (QAction* action : menu->actions()) entries << (action->isSeparator() ? QString("-") : action->text());
    QCOMPARE(entries, (QStringList{U("ヌヴァロ君の使い方"), "-", U("具体的な悩みの解決方法"), "-", U("バージョン情報")}));

    const QList<QAction*> actions = menu->actions();
    actions[4]->trigger();
    QCOMPARE(bench.versionDialogs, 1);
    actions[0]->trigger();
    QTRY_COMPARE(bench.folder.CompanionsStarted(), (std::vector<std::string>{"NuvaroHelp"}));
    actions[2]->trigger();
    QTRY_COMPARE(bench.folder.CompanionsStarted(), (std::vector<std::string>{"NuvaroHelp", "NuvaroNavi"}));
    menu->close();
    QVERIFY(bench.sink.messages.empty());

    // A companion that is not there is reported.
    std::filesystem::remove(bench.folder.File("NuvaroHelp"));
    QVERIFY(bench.frame->OnCommand(kCommandHowToUse));
    QCOMPARE(bench.sink.Texts(),
             std::vector<std::string>{"NuvaroHelp.exeがありませんので、ヌヴァロ君のヘルプは表示できません。"});
    // Nothing else changed.
    QCOMPARE(bench.frame->ActiveViewClass(), QString("CGuideMenuView"));
    QVERIFY(ShownBars(*bench.frame) == kGuideBars);
  }

  void closeEndsTheProgramWindow() {
    FrameBench bench;
    QVERIFY(bench.Show());
    QVERIFY(bench.frame->isVisible());
    QTest::mouseClick(bench.frame->BrandBar()->CloseButton(), Qt::LeftButton);
    QVERIFY(!bench.frame->isVisible());
  }

  void viewSwitching() {
    FrameBench bench;
    QSignalSpy switched(bench.frame.get(), &CSDIFrameWnd::viewActivated);
    QVERIFY(!bench.frame->ActivateView("CNoSuchView"));
    QVERIFY(bench.frame->ActivateView("CGuideMenuView"));
    QCOMPARE(switched.count(), 0);
    QVERIFY(bench.frame->ActivateView("CNuvaroScrollView"));
    QCOMPARE(switched.count(), 1);
    QCOMPARE(switched.takeFirst().at(0).toString(), QString("CNuvaroScrollView"));
    QVERIFY(bench.frame->View("CGuideMenuView")->isHidden());
    QVERIFY(!bench.frame->View("CNuvaroScrollView")->isHidden());
  }

  void theBarsButtonsShowTheirHoverFace() {
    FrameBench bench;
    QVERIFY(bench.Show());
    for (CHoverButton* button : {bench.frame->BrandBar()->CloseButton(), bench.frame->BrandBar()->InformationButton(),
                                 bench.frame->MenuBar()->BackButton()}) {
      QVERIFY(button->HasStrip());
      QCOMPARE(button->Strip().frameCount, 3);
      QCOMPARE(button->size(), QSize(64, 26));
      QCOMPARE(button->CurrentFrame(), 0);
      const QImage normal = button->grab().toImage();
      SendEnter(button);
      QCOMPARE(button->CurrentFrame(), 2);
      QVERIFY(button->grab().toImage() != normal);
      SendLeave(button);
      QCOMPARE(button->CurrentFrame(), 0);
    }
  }

  void theVersionDialog() {
    CVersionDialog dialog;
    QCOMPARE(dialog.windowTitle(), U("バージョン情報"));
    QCOMPARE(dialog.TitleText(), U("ヌヴァロ君"));
    QCOMPARE(dialog.VersionText(), QString::fromUtf8("バージョン ") + QString(NUVARO_EXPECTED_VERSION));
    QStringList opened;
    CLinkLabel::OpenHandler previous = CLinkLabel::SetOpenHandler([&](const QString& text) {
      opened << text;
      return true;
    });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(dialog.Link(), Qt::LeftButton);
    CLinkLabel::SetOpenHandler(previous);
    QCOMPARE(opened, QStringList{QString::fromLatin1(kProductPageAddress)});
  }
};

// A desktop larger than the frame, so that centring can be seen.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + NUVARO_OFFSCREEN_SCREENS);
  QApplication application(argc, argv);
  MainFrameTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "main_frame_test.moc"
