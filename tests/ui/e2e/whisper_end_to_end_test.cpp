// One whole whisper, as a user goes through it: the program starts with its engine and
// reading plug-ins, a reading is chosen in the guide menu, two people are registered in
// the member list, the first is dropped on the user's face and the second beside it,
// "ヌヴァロ" makes the balloon speak the plug-in's words; another reading changes them;
// a face goes to the trash box and comes back.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "board/balloon_geometry.h"
#include "board/balloon_window.h"
#include "board/name_plate.h"
#include "board/nuvaro_scroll_view.h"
#include "core/pair_reading.h"
#include "members/entry_toolbar.h"
#include "members/member_drag_data.h"
#include "members/member_list_page.h"
#include "program_folder.h"
#include "recording_message_sink.h"
#include "test_text.h"
#include "ui/app/sdi_win_app.h"
#include "ui/controls/hover_button.h"
#include "ui/controls/link_label.h"
#include "ui/frame/frame_commands.h"
#include "ui/frame/main_frame.h"
#include "ui/frame/nuvaro_vert_toolbar.h"
#include "ui/guide/guide_menu_view.h"

using nuvaro::testing::RecordingMessageSink;
using nuvaro::testing::Sjis;
using nuvaro::testing::ProgramFolder;
using nuvaro::testing::Utf8;
using namespace nuvaro;
using namespace nuvaro::ui;

namespace {

// Drops the member text of a list row on the board at a point, the way the platform
// delivers a drag: enter, move, drop.
bool DropRow(CMemberListPage* page, int row, QWidget* board, QPoint point) {
  std::unique_ptr<QMimeData> data(MemberDragData(page->DragTextForRow(row)));
  QDragEnterEvent enter(point, Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, data.get(), Qt::LeftButton,
                        Qt::NoModifier);
  QApplication::sendEvent(board, &enter);
  if (!enter.isAccepted()) return false;
  QDragMoveEvent move(point, Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, data.get(), Qt::LeftButton,
                      Qt::NoModifier);
  QApplication::sendEvent(board, &move);
  if (!move.isAccepted()) return false;
  QDropEvent drop(QPointF(point), Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, data.get(), Qt::LeftButton,
                  Qt::NoModifier);
  QApplication::sendEvent(board, &drop);
  return drop.isAccepted();
}

// Drops a member text on the board at a point, as a drag from a list delivers it.
bool DropText(QWidget* board, QPoint point, const char* utf8Member) {
  std::unique_ptr<QMimeData> data(MemberDragData(Sjis(utf8Member)));
  QDragEnterEvent enter(point, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(board, &enter);
  QDragMoveEvent move(point, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(board, &move);
  QDropEvent drop(QPointF(point), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(board, &drop);
  return drop.isAccepted();
}

QPoint Centre(const core::BoardRect& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

void SaveScreenshot(const char* name) {
  const char* dir = std::getenv("NUVARO_SCREENSHOT_DIR");
  if (dir == nullptr || *dir == '\0') return;
  QTest::qWait(300);
  QVERIFY(QGuiApplication::primaryScreen()->grabWindow(0).save(
      QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(name))));
}

}  // namespace

class WhisperEndToEndTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ProgramFolder> folder_;
  std::unique_ptr<RecordingMessageSink> sink_;
  std::unique_ptr<CSDIWinApp> app_;

  CMainFrame* Frame() { return app_->MainFrame(); }
  CNuvaroScrollView* Board() { return Frame()->Board(); }
  core::CFace& Face() { return app_->Core().Document().Face(); }

  // Clicks the guide menu entry of the reading at this position.
  void ChooseReading(int entry) {
    auto* guide = qobject_cast<CGuideMenuView*>(Frame()->View(QStringLiteral("CGuideMenuView")));
    QVERIFY(guide != nullptr);
    QCOMPARE(Frame()->ActiveViewClass(), QStringLiteral("CGuideMenuView"));
    std::vector<CLinkLabel*> readings;
    for (const auto& pair : guide->Entries())
      if (pair.picture != nullptr) readings.push_back(pair.label);
    QVERIFY(entry < static_cast<int>(readings.size()));
    QTest::mouseClick(readings[static_cast<std::size_t>(entry)], Qt::LeftButton);
    QTRY_COMPARE(Frame()->ActiveViewClass(), QStringLiteral("CNuvaroScrollView"));
    QVERIFY(Face().activeEvent != 0);
    QVERIFY(QTest::qWaitForWindowExposed(Board()));
    // The trash box stands in the board's bottom-right corner, inside the board.
    QTRY_VERIFY(app_->Core().Document().Trash().placed);
    const core::BoardRect trash = app_->Core().Document().Trash().PictureRect();
    QVERIFY(Board()->rect().contains(QRect(trash.left, trash.top, trash.Width(), trash.Height())));
  }

  void PressBoardButton(int command) {
    CHoverButton* button = Frame()->BoardToolbar()->Button(command);
    QVERIFY(button != nullptr && button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
  }

  // The whisper the active reading gives for the user and face index i, asked of the
  // plug-ins directly.
  std::string ExpectedWhisper(int index) {
    ::NuvaroData record = core::PairRecord(Face().Entry(0).name, Face().Entry(index).name,
                                           Face().Entry(index).isMale != 0, app_->Core().Engine());
    core::CallSelectedPlugins(app_->Core().Plugins(), Face(), record);
    return record.balloonText != nullptr ? std::string(record.balloonText) : std::string();
  }

 private slots:
  void init() {
    // A program folder of our own: the built engine and plug-ins, empty member lists.
    QVERIFY(std::getenv("NUVARO_BIN_DIR") != nullptr);
    folder_ = std::make_unique<ProgramFolder>();
    folder_->CopyEngine();
    folder_->CopyDeliveredPlugins();
    sink_ = std::make_unique<RecordingMessageSink>();
    app_ = std::make_unique<CSDIWinApp>();
    QVERIFY(app_->InitInstance());
    QVERIFY(QTest::qWaitForWindowExposed(Frame()));
  }

  void cleanup() {
    app_.reset();
    sink_.reset();
    folder_.reset();
  }

  void RegisterDropWhisperSwitchDiscardRestore() {
    CNuvaroScrollView::LastDirection() = 12;
    ChooseReading(0);
    SaveScreenshot("e2e_1_board.png");

    // Register two people in the first list.
    auto* bar = qobject_cast<CEntryToolbar*>(Frame()->EntryBar());
    QVERIFY(bar != nullptr);
    QVERIFY(bar->isVisible());
    std::vector<core::MemberForm> typed = {{Sjis("桃"), Sjis("太郎"), 0, Sjis("30")},
                                           {Sjis("南瓜"), Sjis("花子"), 1, Sjis("20")}};
    bar->SetMemberDialogRunner([&](QWidget*, std::string_view, core::MemberForm& form) {
      form = typed.front();
      typed.erase(typed.begin());
      return true;
    });
    bar->SetCurrentPageIndex(0);
    QTest::mouseClick(bar->ButtonOf(CEntryToolbar::Button::Register), Qt::LeftButton);
    QTest::mouseClick(bar->ButtonOf(CEntryToolbar::Button::Register), Qt::LeftButton);
    CMemberListPage* page = bar->Page(0);
    QCOMPARE(page->rowCount(), 2);
    // Each registration goes to the top of the list.
    QCOMPARE(page->CellText(1, 0), QString::fromUtf8("桃 太郎"));
    QCOMPARE(page->CellText(0, 0), QString::fromUtf8("南瓜 花子"));
    QCOMPARE(folder_->Read("friend.lst"), Sjis("南瓜 花子,女,20\r\n桃 太郎,男,30\r\n"));

    // The first person onto the user's face, the second beside it.
    CNuvaroScrollView* board = Board();
    const core::BoardRect self = Face().Entry(0).face;
    QVERIFY(DropRow(page, 1, board, Centre(self)));
    QCOMPARE(Utf8(Face().Entry(0).name), std::string("桃 太郎"));
    QCOMPARE(board->NamePlate(0)->text(), QString::fromUtf8("桃 太郎"));
    const QPoint beside = Centre(self) + QPoint(180, 0);
    QVERIFY(DropRow(page, 0, board, beside));
    QCOMPARE(Face().LastIndex(), 1);
    QCOMPARE(board->NamePlate(1)->text(), QString::fromUtf8("南瓜 花子"));

    // "ヌヴァロ": the balloon beside the face speaks the plug-in's words.
    PressBoardButton(kCommandWhisper);
    CBalloonWnd* balloon = board->Balloon(1);
    QVERIFY(balloon->isVisible());
    const std::string firstWords = ExpectedWhisper(1);
    QVERIFY(!firstWords.empty());
    QCOMPARE(balloon->TextCp932(), firstWords);
    QCOMPARE(balloon->TextColour(), kFemaleBalloonColour);
    // Straight right of the user (direction 3): beside that face, its pointer's tip on the
    // face's box or a little out of it (another side when the board's edge leaves no room).
    const QPoint faceTopLeft = board->mapToGlobal(QPoint(Face().Entry(1).face.left, Face().Entry(1).face.top));
    QVERIFY(QRect(faceTopLeft - QPoint(20, 20), QSize(140, 120)).contains(balloon->TipGlobal()));
    SaveScreenshot("e2e_2_whisper.png");

    // Another reading: back to the guide menu, choose it, whisper again.
    PressBoardButton(kCommandMenu);
    QTRY_COMPARE(Frame()->ActiveViewClass(), QStringLiteral("CGuideMenuView"));
    QVERIFY(!balloon->isVisible());
    bool changed = false;
    auto* guide = qobject_cast<CGuideMenuView*>(Frame()->View(QStringLiteral("CGuideMenuView")));
    int readings = 0;
    for (const auto& pair : guide->Entries()) readings += pair.picture != nullptr ? 1 : 0;
    for (int entry = 1; entry < readings && !changed; ++entry) {
      if (entry > 1) {
        PressBoardButton(kCommandMenu);
        QTRY_COMPARE(Frame()->ActiveViewClass(), QStringLiteral("CGuideMenuView"));
      }
      ChooseReading(entry);
      PressBoardButton(kCommandWhisper);
      QVERIFY(balloon->isVisible());
      QCOMPARE(balloon->TextCp932(), ExpectedWhisper(1));
      changed = balloon->TextCp932() != firstWords;
    }
    QVERIFY2(changed, "another reading gives other words");
    SaveScreenshot("e2e_3_other_reading.png");

    // Into the trash box with the mouse, answering Yes.
    const core::BoardRect other = Face().Entry(1).face;
    const core::BoardRect trash = app_->Core().Document().Trash().PictureRect();
    sink_->QueueAnswer(platform::kIdYes);
    QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, Centre(other));
    QVERIFY(!balloon->isVisible());
    QTest::mouseMove(board, Centre(trash));
    QTest::mouseRelease(board, Qt::LeftButton, Qt::NoModifier, Centre(trash));
    QCOMPARE(sink_->Texts(), std::vector<std::string>{"ごみ箱に捨てますか？"});
    QCOMPARE(Face().Entry(1).active, 0);
    QVERIFY(!board->NamePlate(1)->isVisible());
    QVERIFY(!balloon->isVisible());
    QVERIFY(app_->Core().Document().Trash().full);
    SaveScreenshot("e2e_4_discarded.png");

    // "元に戻す(&Z)" from the trash box's menu brings the face back, still whispering.
    board->SetPopupMenuRunner([](QWidget*, const QString& entry, int command, QPoint) {
      return entry == QString::fromUtf8("元に戻す(&Z)") ? command : 0;
    });
    QTest::mousePress(board, Qt::RightButton, Qt::NoModifier, Centre(trash));
    QCOMPARE(Face().Entry(1).active, 1);
    QCOMPARE(Face().Entry(1).face, other);
    QVERIFY(board->NamePlate(1)->isVisible());
    QVERIFY(balloon->isVisible());
    QVERIFY(!app_->Core().Document().Trash().full);
    SaveScreenshot("e2e_5_restored.png");
  }

  // Eight people around the user with the window against the screen's right edge: every
  // balloon stays inside the board (off the toolbar and the desktop), none covers its own
  // face, and the name the engine cannot count says so instead of a table heading.
  void EightFacesAtTheScreenEdge() {
    CNuvaroScrollView::LastDirection() = 12;
    ChooseReading(0);
    const QRect screen = Frame()->screen()->availableGeometry();
    Frame()->move(screen.right() - Frame()->frameGeometry().width() + 1, screen.top());
    QTest::qWait(50);
    CNuvaroScrollView* board = Board();
    const QPoint self = Centre(Face().Entry(0).face);
    QVERIFY(DropText(board, self, "桃 太郎,男,30"));
    const char* people[] = {"南瓜 花子,女,20", "田中 りょう,女,30", "山田 一郎,男,40", "佐藤 恵,女,50",
                            "鈴木 浩,男,10", "高橋 美加,女,60", "渡辺 清,男,25", "伊藤 葉子,女,35"};
    const QPoint offsets[] = {{0, -190}, {200, -150}, {260, 0}, {200, 150}, {0, 190}, {-200, 150}, {-260, 0}, {-200, -150}};
    for (int i = 0; i < 8; ++i) {
      QPoint at = self + offsets[i];
      at.setX(std::clamp(at.x(), 50, board->width() - 50));
      at.setY(std::clamp(at.y(), 50, board->height() - 50));
      QVERIFY2(DropText(board, at, people[i]), people[i]);
    }
    QCOMPARE(Face().LastIndex(), 8);
    PressBoardButton(kCommandWhisper);
    const QRect boardOnScreen(board->mapToGlobal(QPoint(0, 0)), board->size());
    const QRect toolbar(Frame()->BoardToolbar()->mapToGlobal(QPoint(0, 0)), Frame()->BoardToolbar()->size());
    for (int i = 1; i <= 8; ++i) {
      CBalloonWnd* balloon = board->Balloon(i);
      QVERIFY2(balloon->isVisible(), people[i - 1]);
      QVERIFY2(boardOnScreen.contains(balloon->geometry()), people[i - 1]);
      QVERIFY2(!toolbar.intersects(balloon->geometry()), people[i - 1]);
      const core::BoardRect face = Face().Entry(i).face;
      const QPoint faceOnScreen = board->mapToGlobal(QPoint(face.left, face.top));
      const int inset = board::kFaceCoreInset;
      const board::Rect core{faceOnScreen.x() + inset, faceOnScreen.y() + inset, faceOnScreen.x() + 100 - inset,
                             faceOnScreen.y() + 100 - inset};
      const board::Rect& e = balloon->Layout().ellipse;
      QVERIFY2(!board::EllipseOverlapsRect({balloon->x() + e.left, balloon->y() + e.top, balloon->x() + e.right,
                                            balloon->y() + e.bottom},
                                           core),
               people[i - 1]);
    }
    QCOMPARE(board->Balloon(2)->Text(), QString::fromUtf8("ごめんね！私の名前は画数が数えられないので、何も言えないの。"));
    SaveScreenshot("e2e_6_eight_faces_at_the_screen_edge.png");
  }
};

QTEST_MAIN(WhisperEndToEndTest)
#include "whisper_end_to_end_test.moc"
