// The whisper board on screen: set-up, drops of member texts, face and trash-box
// dragging, the context menus, the board's commands, name plates and the balloons in
// all twelve directions. The engine and the reading plug-ins are copies of the built
// ones in a program folder of the test's own.
#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QLabel>
#include <QMimeData>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "board/balloon_geometry.h"
#include "board/balloon_window.h"
#include "board/board_commands.h"
#include "board/board_pictures.h"
#include "board/name_plate.h"
#include "board/nuvaro_scroll_view.h"
#include "core/engine_binding.h"
#include "core/guide_menu_model.h"
#include "core/nuvaro_doc.h"
#include "core/plugin_host.h"
#include "members/member_drag_data.h"
#include "program_folder.h"
#include "recording_message_sink.h"
#include "test_text.h"

using nuvaro::testing::ProgramFolder;
using nuvaro::testing::RecordingMessageSink;
using nuvaro::testing::Sjis;
using nuvaro::testing::Utf8;
using namespace nuvaro;
using namespace nuvaro::ui;

namespace {

// Sends a drag of the data to the point as the platform does: enter, move, drop.
// Answers whether the move was accepted and whether the drop was.
struct DropResult {
  bool moveAccepted = false;
  bool dropAccepted = false;
};

DropResult DragAndDrop(QWidget* target, QPoint point, const QMimeData* data) {
  DropResult result;
  QDragEnterEvent enter(point, Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  if (!enter.isAccepted()) return result;
  QDragMoveEvent move(point, Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &move);
  result.moveAccepted = move.isAccepted();
  QDropEvent drop(QPointF(point), Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, data, Qt::LeftButton,
                  Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
  result.dropAccepted = drop.isAccepted();
  return result;
}

DropResult DropMember(QWidget* target, QPoint point, const char* utf8Line) {
  std::unique_ptr<QMimeData> data(MemberDragData(Sjis(utf8Line)));
  return DragAndDrop(target, point, data.get());
}

// With NUVARO_SCREENSHOT_DIR set (a run under a real X server), the whole screen is
// saved there, so the balloons can be looked at with their shapes.
void SaveScreenshot(const char* name) {
  const char* dir = std::getenv("NUVARO_SCREENSHOT_DIR");
  if (dir == nullptr || *dir == '\0') return;
  QTest::qWait(300);
  QScreen* screen = QGuiApplication::primaryScreen();
  QVERIFY(screen->grabWindow(0).save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(name))));
}

core::BoardRect Rect(int left, int top) { return {left, top, left + 100, top + 100}; }

// Other faces' top-left corners for each clock direction around the user at (350, 250).
struct DirectionCase {
  int direction;
  QPoint topLeft;
  const char* member;
};
const DirectionCase kDirections[] = {
    {12, {350, 100}, "一 郎,男,30"}, {1, {460, 80}, "二 子,女,20"},   {2, {500, 160}, "三 郎,男,45"},
    {3, {480, 260}, "四 子,女,35"},  {4, {500, 380}, "五 郎,男,60"},  {5, {440, 460}, "六 子,女,70"},
    {6, {350, 470}, "七 郎,男,10"},  {7, {250, 470}, "八 子,女,8"},   {8, {200, 360}, "九 郎,男,25"},
    {9, {200, 240}, "十 子,女,50"},  {10, {210, 130}, "百 郎,男,40"}, {11, {250, 60}, "千 子,女,100"},
};

}  // namespace

class NuvaroScrollViewTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ProgramFolder> folder_;
  std::unique_ptr<RecordingMessageSink> sink_;
  core::EngineBinding engine_;
  core::PluginHost plugins_;
  std::vector<core::GuideMenuItem> readings_;
  std::unique_ptr<core::CNuvaroDoc> document_;
  std::unique_ptr<CNuvaroScrollView> view_;
  std::vector<std::pair<QString, int>> menusShown_;
  int menuAnswer_ = 0;

  core::CFace& Face() { return document_->Face(); }

  void NameTheUser() { QVERIFY(DropMember(view_.get(), {400, 300}, "桃 太郎,男,30").dropAccepted); }

  // Activates the reading of the guide menu entry at this position.
  void ChooseReading(int entry) {
    std::vector<const core::GuideMenuItem*> entries;
    for (const auto& item : readings_)
      if (item.hasEntry) entries.push_back(&item);
    QVERIFY(entry < static_cast<int>(entries.size()));
    auto activation = core::ActivateReading(Face(), plugins_, entries[static_cast<std::size_t>(entry)]->commandNumber);
    QCOMPARE(activation.kind, core::ReadingActivation::Kind::Activated);
  }

  void AddDirectionFace(int i) {
    QVERIFY2(DropMember(view_.get(), kDirections[i].topLeft + QPoint(50, 50), kDirections[i].member).dropAccepted,
             kDirections[i].member);
  }

  void AddAllDirections() {
    for (const DirectionCase& c : kDirections) {
      QVERIFY2(DropMember(view_.get(), c.topLeft + QPoint(50, 50), c.member).dropAccepted, c.member);
    }
    QCOMPARE(Face().LastIndex(), 12);
  }

 private slots:
  void initTestCase() {
    QVERIFY(std::getenv("NUVARO_BIN_DIR") != nullptr);
    folder_ = std::make_unique<ProgramFolder>();
    folder_->CopyEngine();
    folder_->CopyDeliveredPlugins();
    sink_ = std::make_unique<RecordingMessageSink>();
    QVERIFY(engine_.Bind());
    QVERIFY(plugins_.Load());
    readings_ = core::BuildGuideMenu(plugins_);
    QVERIFY(!readings_.empty());
  }

  void cleanupTestCase() {
    plugins_.Unload();
    engine_.Release();
    sink_.reset();
    folder_.reset();
  }

  void init() {
    sink_->Clear();
    CNuvaroScrollView::LastDirection() = 12;
    document_ = std::make_unique<core::CNuvaroDoc>();
    view_ = std::make_unique<CNuvaroScrollView>(*document_, plugins_, engine_);
    menusShown_.clear();
    menuAnswer_ = 0;
    view_->SetPopupMenuRunner([this](QWidget*, const QString& entry, int command, QPoint) {
      menusShown_.emplace_back(entry, command);
      return menuAnswer_ != 0 ? command : 0;
    });
    view_->move(0, 0);
    view_->resize(800, 600);
    view_->show();
    QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
  }

  void cleanup() {
    view_.reset();
    document_.reset();
  }

  void SetUpCentresTheUserAndPlacesTheTrashBox() {
    QCOMPARE(Face().LastIndex(), 0);
    QCOMPARE(Face().Entry(0).face, Rect(350, 250));
    QCOMPARE(document_->Trash().topLeft, (core::BoardPoint{732, 532}));
    CNamePlate* plate = view_->NamePlate(0);
    QVERIFY(plate != nullptr && plate->isVisible());
    QCOMPARE(plate->geometry(), QRect(350, 350, 100, 20));
    QCOMPARE(plate->text(), QString::fromUtf8("名なし"));
    QCOMPARE(view_->SelfLabel()->geometry(), QRect(350, 372, 100, 25));
    QVERIFY(view_->SelfLabel()->text().isEmpty());
    QVERIFY(view_->HintText().contains(QString::fromUtf8("この顔の上にドラッグ")));

    // A later size keeps the user centred, and the trash box in its corner while the
    // user has not moved it.
    view_->resize(700, 500);
    QCOMPARE(Face().Entry(0).face, Rect(300, 200));
    QCOMPARE(document_->Trash().topLeft, (core::BoardPoint{632, 432}));
    QCOMPARE(view_->NamePlate(0)->pos(), QPoint(300, 300));
  }

  void TrashBoxTheUserPlacedStaysOnTheBoard() {
    QTest::mousePress(view_.get(), Qt::LeftButton, Qt::NoModifier, QPoint(740, 540));
    QTest::mouseRelease(view_.get(), Qt::LeftButton, Qt::NoModifier, QPoint(408, 208));
    QCOMPARE(document_->Trash().topLeft, (core::BoardPoint{400, 200}));
    view_->resize(900, 700);
    QCOMPARE(document_->Trash().topLeft, (core::BoardPoint{400, 200}));
    // A smaller board pulls it back inside.
    view_->resize(420, 240);
    QCOMPARE(document_->Trash().topLeft, (core::BoardPoint{420 - 58, 240 - 58}));
    // Let go beyond the board's edge, it stays on the board.
    view_->resize(800, 600);
    QTest::mousePress(view_.get(), Qt::LeftButton, Qt::NoModifier, QPoint(400, 200));
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-300, -40), QPointF(-300, -40), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view_.get(), &release);
    QCOMPARE(document_->Trash().topLeft, (core::BoardPoint{0, 0}));
  }

  void FirstDropNamesTheUserOnly() {
    // Before the user is named, only the user's face takes a member.
    DropResult outside = DropMember(view_.get(), {100, 100}, "南瓜 花子,女,20");
    QVERIFY(!outside.moveAccepted);
    QVERIFY(!outside.dropAccepted);
    QCOMPARE(Face().LastIndex(), 0);

    DropResult onSelf = DropMember(view_.get(), {360, 260}, "桃 太郎,男,30");
    QVERIFY(onSelf.moveAccepted);
    QVERIFY(onSelf.dropAccepted);
    QCOMPARE(Utf8(Face().Entry(0).name), std::string("桃 太郎"));
    QCOMPARE(Face().Entry(0).picture, (core::FacePicture{0, 7}));
    QCOMPARE(Face().selfSet, 1);
    QCOMPARE(Face().LastIndex(), 0);
    QCOMPARE(view_->NamePlate(0)->text(), QString::fromUtf8("桃 太郎"));
    QVERIFY(view_->HintText().contains(QString::fromUtf8("相手の人")));
  }

  void LaterDropsAddFacesWhereTheyLand() {
    NameTheUser();
    QVERIFY(DropMember(view_.get(), {600, 150}, "南瓜 花子,女,20").dropAccepted);
    QCOMPARE(Face().LastIndex(), 1);
    QCOMPARE(Face().Entry(1).face, Rect(550, 100));
    QCOMPARE(Face().Entry(1).picture.strip, 3);
    QCOMPARE(view_->NamePlate(1)->geometry(), QRect(550, 200, 100, 20));
    QCOMPARE(view_->NamePlate(1)->text(), QString::fromUtf8("南瓜 花子"));
    QVERIFY(view_->NamePlate(1)->isVisible());
    QVERIFY(view_->HintText().isEmpty() || view_->HintText().contains(QString::fromUtf8("ヌヴァロ")));

    // On another face nothing lands.
    DropResult onOther = DropMember(view_.get(), {620, 170}, "栗 次郎,男,45");
    QVERIFY(!onOther.moveAccepted);
    QVERIFY(!onOther.dropAccepted);
    QCOMPARE(Face().LastIndex(), 1);

    // A drop on the user's face names the user anew.
    QVERIFY(DropMember(view_.get(), {400, 300}, "南瓜 花子,女,20").dropAccepted);
    QCOMPARE(Utf8(Face().Entry(0).name), std::string("南瓜 花子"));
    QCOMPARE(Face().LastIndex(), 1);
  }

  void PlainTextFromAnotherProgramIsAMemberToo() {
    NameTheUser();
    QMimeData plain;
    plain.setText(QString::fromUtf8("栗 次郎,男,45\r\n"));
    QVERIFY(DragAndDrop(view_.get(), {150, 150}, &plain).dropAccepted);
    QCOMPARE(Face().LastIndex(), 1);
    QCOMPARE(Utf8(Face().Entry(1).name), std::string("栗 次郎"));
    QCOMPARE(Face().Entry(1).isMale, 1);
    QCOMPARE(Face().Entry(1).picture.strip, 9);

    // A text CP932 cannot hold, or data without text, is not taken.
    QMimeData foreign;
    foreign.setText(QString::fromUtf8("𠮷田 太郎,男,30"));
    QVERIFY(!DragAndDrop(view_.get(), {150, 450}, &foreign).dropAccepted);
    QMimeData image;
    image.setData(QStringLiteral("image/png"), QByteArray("png"));
    QVERIFY(!DragAndDrop(view_.get(), {150, 450}, &image).dropAccepted);
    QCOMPARE(Face().LastIndex(), 1);
  }

  void DraggedFaceFollowsTheMouseAndLandsThere() {
    NameTheUser();
    DropMember(view_.get(), {600, 150}, "南瓜 花子,女,20");
    QTest::mousePress(view_.get(), Qt::LeftButton, Qt::NoModifier, QPoint(610, 170));
    QCOMPARE(view_->CurrentDragMode(), CNuvaroScrollView::DragMode::Face);
    QCOMPARE(view_->DraggedIndex(), 1);
    QVERIFY(view_->DragImage()->isVisible());
    QCOMPARE(view_->DragImage()->geometry(), QRect(550, 100, 100, 100));
    QCOMPARE(Face().Entry(1).speaking, 0);

    QTest::mouseMove(view_.get(), QPoint(300, 500));
    QCOMPARE(view_->DragImage()->pos(), QPoint(240, 430));
    // Outside the board the picture stays where it was last.
    QMouseEvent outside(QEvent::MouseMove, QPointF(900, 700), QPointF(900, 700), Qt::NoButton, Qt::LeftButton,
                        Qt::NoModifier);
    QApplication::sendEvent(view_.get(), &outside);
    QCOMPARE(view_->DragImage()->pos(), QPoint(240, 430));

    QTest::mouseRelease(view_.get(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 500));
    QCOMPARE(view_->CurrentDragMode(), CNuvaroScrollView::DragMode::None);
    QVERIFY(!view_->DragImage()->isVisible());
    QCOMPARE(Face().Entry(1).face, Rect(240, 430));
    QCOMPARE(view_->NamePlate(1)->pos(), QPoint(240, 530));
    QCOMPARE(Face().Entry(1).speaking, 1);
    QVERIFY(sink_->messages.empty());
  }

  void UserFaceCannotBeDragged() {
    NameTheUser();
    QTest::mousePress(view_.get(), Qt::LeftButton, Qt::NoModifier, QPoint(400, 300));
    QCOMPARE(view_->CurrentDragMode(), CNuvaroScrollView::DragMode::None);
    QTest::mouseRelease(view_.get(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QCOMPARE(Face().Entry(0).face, Rect(350, 250));
  }

  void FaceDroppedOnTheTrashBoxAsksFirst_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("discarded");
    QTest::newRow("no") << platform::kIdNo << false;
    QTest::newRow("yes") << platform::kIdYes << true;
  }

  void FaceDroppedOnTheTrashBoxAsksFirst() {
    QFETCH(int, answer);
    QFETCH(bool, discarded);
    NameTheUser();
    DropMember(view_.get(), {600, 150}, "南瓜 花子,女,20");
    sink_->QueueAnswer(answer);
    QTest::mousePress(view_.get(), Qt::LeftButton, Qt::NoModifier, QPoint(600, 150));
    // The hit area reaches 32 pixels beyond the picture.
    QTest::mouseRelease(view_.get(), Qt::LeftButton, Qt::NoModifier, QPoint(710, 510));
    QCOMPARE(sink_->messages.size(), std::size_t{1});
    QCOMPARE(sink_->messages[0].text, std::string("ごみ箱に捨てますか？"));
    QCOMPARE(sink_->messages[0].caption, std::string("確認"));
    QCOMPARE(sink_->messages[0].buttons, platform::MessageButtons::YesNo);
    QCOMPARE(Face().Entry(1).face, Rect(550, 100));  // the old place either way
    QCOMPARE(Face().Entry(1).active, discarded ? 0 : 1);
    QCOMPARE(document_->Trash().full, discarded);
    QCOMPARE(view_->NamePlate(1)->isVisible(), !discarded);
    QCOMPARE(Face().Entry(1).speaking, 1);
  }

  void TrashBoxCanBeMoved() {
    // Grabbed inside the enlarged hit area, 20 pixels above and left of the picture.
    QTest::mousePress(view_.get(), Qt::LeftButton, Qt::NoModifier, QPoint(712, 512));
    QCOMPARE(view_->CurrentDragMode(), CNuvaroScrollView::DragMode::Trash);
    QVERIFY(view_->DragImage()->isVisible());
    QTest::mouseMove(view_.get(), QPoint(100, 500));
    QCOMPARE(view_->DragImage()->pos(), QPoint(120, 520));
    QTest::mouseRelease(view_.get(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 500));
    QCOMPARE(document_->Trash().topLeft, (core::BoardPoint{120, 520}));
    QVERIFY(!view_->DragImage()->isVisible());
  }

  void ContextMenusDiscardAndRestore() {
    NameTheUser();
    DropMember(view_.get(), {600, 150}, "南瓜 花子,女,20");
    DropMember(view_.get(), {150, 150}, "栗 次郎,男,45");

    // A menu closed without a choice does nothing.
    QTest::mousePress(view_.get(), Qt::RightButton, Qt::NoModifier, QPoint(600, 150));
    QCOMPARE(menusShown_.size(), std::size_t{1});
    QCOMPARE(menusShown_[0].first, QString::fromUtf8("削除(&X)"));
    QCOMPARE(menusShown_[0].second, kBoardCommandDiscard);
    QCOMPARE(Face().Entry(1).active, 1);

    // "削除(&X)" discards without asking.
    menuAnswer_ = 1;
    QTest::mousePress(view_.get(), Qt::RightButton, Qt::NoModifier, QPoint(600, 150));
    QTest::mousePress(view_.get(), Qt::RightButton, Qt::NoModifier, QPoint(150, 150));
    QVERIFY(sink_->messages.empty());
    QCOMPARE(Face().Entry(1).active, 0);
    QCOMPARE(Face().Entry(2).active, 0);
    QVERIFY(document_->Trash().full);
    QVERIFY(!view_->NamePlate(1)->isVisible());

    // Nothing on the user's face or on empty board.
    QTest::mousePress(view_.get(), Qt::RightButton, Qt::NoModifier, QPoint(400, 300));
    QTest::mousePress(view_.get(), Qt::RightButton, Qt::NoModifier, QPoint(50, 550));
    QCOMPARE(menusShown_.size(), std::size_t{3});

    // "元に戻す(&Z)" on the trash box brings every discarded face back.
    QTest::mousePress(view_.get(), Qt::RightButton, Qt::NoModifier, QPoint(760, 560));
    QCOMPARE(menusShown_.back().first, QString::fromUtf8("元に戻す(&Z)"));
    QCOMPARE(menusShown_.back().second, kBoardCommandRestore);
    QCOMPARE(Face().Entry(1).active, 1);
    QCOMPARE(Face().Entry(2).active, 1);
    QVERIFY(!document_->Trash().full);
    QVERIFY(view_->NamePlate(2)->isVisible());
  }

  void ClearAllAsksAndEmptiesTheBoard() {
    NameTheUser();
    // With only the user there is nothing to ask.
    QVERIFY(view_->HandleCommand(kBoardCommandClearAll));
    QVERIFY(sink_->messages.empty());

    DropMember(view_.get(), {600, 150}, "南瓜 花子,女,20");
    DropMember(view_.get(), {150, 150}, "栗 次郎,男,45");
    sink_->QueueAnswer(platform::kIdNo);
    view_->HandleCommand(kBoardCommandClearAll);
    QCOMPARE(Face().Entry(1).active, 1);
    sink_->QueueAnswer(platform::kIdYes);
    view_->HandleCommand(kBoardCommandClearAll);
    QCOMPARE(sink_->Texts(), (std::vector<std::string>{"全体を消去しますか？", "全体を消去しますか？"}));
    QCOMPARE(sink_->messages[1].caption, std::string("確認"));
    QCOMPARE(sink_->messages[1].icon, platform::MessageIcon::None);  // plain, as every question
    QCOMPARE(Face().Entry(1).active, 0);
    QCOMPARE(Face().Entry(2).active, 0);
    QVERIFY(document_->Trash().full);
    QVERIFY(!view_->NamePlate(2)->isVisible());

    // 36869 shows the trash box empty again.
    QVERIFY(view_->HandleCommand(kBoardCommandTrashEmpty));
    QVERIFY(!document_->Trash().full);
  }

  void PercentageCalendarAndNameEntryGoToTheFrame() {
    QSignalSpy frame(view_.get(), &CNuvaroScrollView::frameCommand);
    QVERIFY(view_->HandleCommand(kBoardCommandPercentage));
    QCOMPARE(sink_->Texts(), std::vector<std::string>{"本人の顔の周りに、相手の顔が表示されていません。"});
    QCOMPARE(frame.count(), 0);

    NameTheUser();
    DropMember(view_.get(), {600, 150}, "南瓜 花子,女,20");
    view_->HandleCommand(kBoardCommandPercentage);
    view_->HandleCommand(kBoardCommandCalendar);
    view_->HandleCommand(kBoardCommandNameEntry);
    QCOMPARE(frame.count(), 3);
    QCOMPARE(frame[0][0].toInt(), kBoardCommandPercentage);
    QCOMPARE(frame[1][0].toInt(), kBoardCommandCalendar);
    QCOMPARE(frame[2][0].toInt(), kBoardCommandNameEntry);
    QCOMPARE(sink_->messages.size(), std::size_t{1});
    QVERIFY(!view_->HandleCommand(kBoardCommandHelp));
    QVERIFY(!view_->HandleCommand(4242));
  }

  void WhisperShowsABalloonBesideEveryFaceInItsDirection() {
    ChooseReading(0);
    NameTheUser();
    AddAllDirections();
    // Discard one face: it gets a whisper but shows no balloon.
    document_->DiscardFace(6);  // direction 5
    QVERIFY(view_->HandleCommand(kBoardCommandWhisper));
    QCOMPARE(Face().whispering, 1);
    const QRect boardOnScreen(view_->mapToGlobal(QPoint(0, 0)), view_->size());
    int tipsOnAnchor = 0;
    for (int i = 1; i <= 12; ++i) {
      const DirectionCase& c = kDirections[i - 1];
      const core::FaceEntry& entry = Face().Entry(i);
      CBalloonWnd* balloon = view_->Balloon(i);
      QVERIFY(!entry.balloonText.empty());
      QVERIFY(Utf8(entry.balloonText) != "ヌヴァロ言葉が見あたらない");
      if (i == 6) {
        QVERIFY(!balloon->isVisible());
        continue;
      }
      QVERIFY2(balloon->isVisible(), c.member);
      QCOMPARE(balloon->TextCp932(), entry.balloonText);
      QCOMPARE(balloon->TextColour(), entry.isMale != 0 ? kMaleBalloonColour : kFemaleBalloonColour);
      QCOMPARE(balloon->PerLine(), entry.balloonText.size() > 80 ? 26 : 16);
      // Shaped for its direction, or mirrored to the face's other side when the board's
      // edge would push it onto its face; always inside the board, never over its face.
      const QPoint faceOnScreen = view_->mapToGlobal(c.topLeft);
      const board::Rect faceRect{faceOnScreen.x(), faceOnScreen.y(), faceOnScreen.x() + 100, faceOnScreen.y() + 100};
      QVERIFY2(boardOnScreen.contains(balloon->geometry()), c.member);
      const board::Rect ellipse{balloon->x() + balloon->Layout().ellipse.left, balloon->y() + balloon->Layout().ellipse.top,
                                balloon->x() + balloon->Layout().ellipse.right,
                                balloon->y() + balloon->Layout().ellipse.bottom};
      QVERIFY2(!board::EllipseOverlapsRect(ellipse, {faceRect.left + board::kFaceCoreInset, faceRect.top + board::kFaceCoreInset,
                                                     faceRect.right - board::kFaceCoreInset,
                                                     faceRect.bottom - board::kFaceCoreInset}),
               c.member);
      // Beside its own face: the pointer's tip on the face's box or a little out of it.
      const QPoint tip = balloon->TipGlobal();
      QVERIFY2(tip.x() >= faceRect.left - 20 && tip.x() <= faceRect.right + 20 && tip.y() >= faceRect.top - 20 &&
                   tip.y() <= faceRect.bottom,
               c.member);
      const board::Point anchor =
          board::DrawnAnchorPoint(faceRect, c.direction, BoardPictures::Shared().Insets(entry.picture));
      if (balloon->Shape() == board::ShapeTypeForDirection(c.direction) && tip == QPoint(anchor.x, anchor.y))
        ++tipsOnAnchor;
    }
    // No text is covered by a balloon above it, none leaves the board.
    const std::vector<int>& stacking = view_->BalloonStacking();
    QCOMPARE(static_cast<int>(stacking.size()), 11);
    for (std::size_t level = 0; level < stacking.size(); ++level) {
      const CBalloonWnd* under = view_->Balloon(stacking[level]);
      const board::Rect t = under->Layout().text;
      QRegion text(QRect(under->pos() + QPoint(t.left, t.top), QSize(t.Width(), t.Height())));
      QVERIFY(boardOnScreen.contains(text.boundingRect()));
      QRegion above;
      for (std::size_t k = level + 1; k < stacking.size(); ++k) {
        const CBalloonWnd* top = view_->Balloon(stacking[k]);
        above += top->Outline().translated(top->pos());
      }
      QVERIFY2(text.intersected(above).isEmpty(), qPrintable(under->Text()));
    }
    QVERIFY(tipsOnAnchor >= 4);
    SaveScreenshot("board_twelve_directions.png");
    QVERIFY(!view_->Balloon(0)->isVisible());

    // "だまる" hides them all.
    view_->HandleCommand(kBoardCommandQuiet);
    QCOMPARE(Face().whispering, 0);
    for (int i = 1; i <= 12; ++i) QVERIFY(!view_->Balloon(i)->isVisible());
  }

  void AnUnreadableNameSaysSoInItsBalloon() {
    ChooseReading(0);
    NameTheUser();
    QVERIFY(DropMember(view_.get(), {600, 300}, "田中 りょう,女,20").dropAccepted);
    QVERIFY(view_->HandleCommand(kBoardCommandWhisper));
    QCOMPARE(view_->Balloon(1)->Text(), QString::fromUtf8("ごめんね！私の名前は画数が数えられないので、何も言えないの。"));
    QVERIFY(view_->Balloon(1)->isVisible());
  }

  void WhisperNeedsAnotherFace() {
    ChooseReading(0);
    NameTheUser();
    view_->HandleCommand(kBoardCommandWhisper);
    QCOMPARE(Face().whispering, 0);
  }

  void BalloonsFollowTheSpeakingRules() {
    ChooseReading(0);
    NameTheUser();
    DropMember(view_.get(), {600, 150}, "南瓜 花子,女,20");
    view_->HandleCommand(kBoardCommandWhisper);
    QVERIFY(view_->Balloon(1)->isVisible());

    // A face drag silences every balloon until the face is let go.
    QTest::mousePress(view_.get(), Qt::LeftButton, Qt::NoModifier, QPoint(600, 150));
    QVERIFY(!view_->Balloon(1)->isVisible());
    QTest::mouseRelease(view_.get(), Qt::LeftButton, Qt::NoModifier, QPoint(650, 160));
    QVERIFY(view_->Balloon(1)->isVisible());

    // A member dropped while whispering speaks at once; the others keep speaking.
    DropMember(view_.get(), {150, 150}, "栗 次郎,男,45");
    QVERIFY(view_->Balloon(1)->isVisible());
    QVERIFY(view_->Balloon(2)->isVisible());
    QCOMPARE(view_->Balloon(2)->TextColour(), kMaleBalloonColour);

    // A new user name recomputes every whisper.
    DropMember(view_.get(), {400, 300}, "南瓜 花子,女,20");
    QCOMPARE(Face().whispering, 1);
    QVERIFY(view_->Balloon(1)->isVisible());
    QCOMPARE(view_->Balloon(1)->TextCp932(), Face().Entry(1).balloonText);

    // The board hidden (the guide menu shown): no balloon stays on screen.
    view_->hide();
    QVERIFY(!view_->Balloon(1)->isVisible());
    view_->show();
    QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
    QVERIFY(view_->Balloon(1)->isVisible());

    // "名前入力" switches the balloons off.
    view_->HandleCommand(kBoardCommandNameEntry);
    QVERIFY(!view_->Balloon(1)->isVisible());
    QCOMPARE(Face().whispering, 0);

    // Clearing everything silences them too; restoring keeps them off.
    view_->HandleCommand(kBoardCommandWhisper);
    sink_->QueueAnswer(platform::kIdYes);
    view_->HandleCommand(kBoardCommandClearAll);
    QCOMPARE(Face().whispering, 0);
    view_->HandleCommand(kBoardCommandRestore);
    QVERIFY(!view_->Balloon(1)->isVisible());
  }

  void MenuCommandEndsTheReadingAndTheWhispers() {
    ChooseReading(0);
    NameTheUser();
    DropMember(view_.get(), {600, 150}, "南瓜 花子,女,20");
    view_->HandleCommand(kBoardCommandWhisper);
    QVERIFY(view_->HandleCommand(kBoardCommandMenu));
    QCOMPARE(Face().activeEvent, 0);
    QCOMPARE(Face().whispering, 0);
    QVERIFY(!view_->Balloon(1)->isVisible());
  }

  void NamePlateClickOpensTheReadingAndKeepsTheWhispers() {
    ChooseReading(0);
    QSignalSpy reading(view_.get(), &CNuvaroScrollView::readingRequested);
    // The unnamed user's plate opens nothing.
    QTest::mouseClick(view_->NamePlate(0), Qt::LeftButton);
    QCOMPARE(reading.count(), 0);
    QCOMPARE(Face().mode, 0);

    NameTheUser();
    DropMember(view_.get(), {600, 150}, "南瓜 花子,女,20");
    view_->HandleCommand(kBoardCommandWhisper);
    Face().mode = 6;
    QTest::mouseClick(view_->NamePlate(1), Qt::LeftButton);
    QCOMPARE(reading.count(), 1);
    QCOMPARE(reading[0][0].toInt(), Face().Entry(1).id);
    QCOMPARE(Face().mode, 0);
    QCOMPARE(Face().whispering, 1);
    QVERIFY(view_->Balloon(1)->isVisible());

    QVERIFY(view_->HandleCommand(NamePlateCommand(0)));
    QCOMPARE(reading.count(), 2);
    QCOMPARE(reading[1][0].toInt(), 0);
    QCOMPARE(Face().mode, 6);
    QCOMPARE(Face().whispering, 1);
  }

  // The plate's right button offers "姓が変わるとき…" for a named person and leaves the
  // click (the reading) and the whispers alone.
  void PlateMenuAsksForTheSurnameComparison() {
    QSignalSpy surname(view_.get(), &CNuvaroScrollView::surnameChangeRequested);
    QSignalSpy reading(view_.get(), &CNuvaroScrollView::readingRequested);
    auto rightClick = [](CNamePlate* plate) {
      QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10), plate->mapToGlobal(QPoint(10, 10)));
      QApplication::sendEvent(plate, &event);
    };
    rightClick(view_->NamePlate(0));  // the user still "名なし": no menu
    QVERIFY(menusShown_.empty());

    NameTheUser();
    DropMember(view_.get(), {600, 150}, "南瓜 花子,女,20");
    ChooseReading(0);
    view_->HandleCommand(kBoardCommandWhisper);
    const struct {
      int plate;
      int answer;
      int expectedId;  // -1: no request
    } cases[] = {{1, 0, -1}, {1, 1, Face().Entry(1).id}, {0, 1, 0}};
    for (const auto& c : cases) {
      menusShown_.clear();
      surname.clear();
      menuAnswer_ = c.answer;
      rightClick(view_->NamePlate(c.plate));
      QCOMPARE(menusShown_.size(), std::size_t{1});
      QCOMPARE(menusShown_[0].first, QString::fromUtf8("姓が変わるとき…"));
      QCOMPARE(surname.count(), c.expectedId < 0 ? 0 : 1);
      if (c.expectedId >= 0) QCOMPARE(surname[0][0].toInt(), c.expectedId);
      QCOMPARE(Face().whispering, 1);
      QVERIFY(view_->Balloon(1)->isVisible());
    }
    QCOMPARE(reading.count(), 0);
    QCOMPARE(view_->CurrentDragMode(), CNuvaroScrollView::DragMode::None);
  }

  void OwnReadingHintShowsOnceWhenAPlugInOffersIt() {
    // The delivered four offer no own reading: no hint about the user's plate.
    NameTheUser();
    QVERIFY(DropMember(view_.get(), {600, 150}, "南瓜 花子,女,20").dropAccepted);
    QVERIFY(view_->HintText().isEmpty());

    folder_->CopyBuiltPlugin("SelfReading.nvr", "SelfReading.nvr");
    core::PluginHost host;
    QVERIFY(host.LoadFrom(folder_->PluginFolder()));
    std::filesystem::remove(folder_->File("nvr/SelfReading.nvr"));
    core::BuildGuideMenu(host);
    core::CNuvaroDoc document;
    CNuvaroScrollView view(document, host, engine_);
    view.resize(800, 600);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(DropMember(&view, {400, 300}, "桃 太郎,男,30").dropAccepted);
    QVERIFY(DropMember(&view, {600, 150}, "南瓜 花子,女,20").dropAccepted);
    QCOMPARE(view.HintText(), QString::fromUtf8("あなたの名札をクリックすると、\nあなた自身の姓名鑑定が読めます。"));
    QTest::mouseClick(view.NamePlate(1), Qt::LeftButton);
    QVERIFY2(!view.HintText().isEmpty(), "another person's plate is not the user's");
    QTest::mouseClick(view.NamePlate(0), Qt::LeftButton);
    QCOMPARE(document.Face().mode, 6);
    QVERIFY(view.HintText().isEmpty());
  }

  void TheFaceUnderTheMouseBringsItsBalloonToTheFront() {
    const auto hover = [this](QPoint point) {
      QMouseEvent move(QEvent::MouseMove, QPointF(point), QPointF(view_->mapToGlobal(point)), Qt::NoButton,
                       Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(view_.get(), &move);
    };
    ChooseReading(0);
    NameTheUser();
    for (int i = 0; i < 3; ++i) AddDirectionFace(i);
    QVERIFY(view_->HandleCommand(kBoardCommandWhisper));
    QCOMPARE(static_cast<int>(view_->BalloonStacking().size()), 3);
    for (int index : {1, 3, 2}) {
      const core::BoardRect face = Face().Entry(index).face;
      hover(QPoint(face.left + 50, face.top + 50));
      QCOMPARE(view_->BalloonStacking().back(), index);
    }
    // Over a balloon (clicks and moves go through it to the board) the same.
    const CBalloonWnd* first = view_->Balloon(1);
    const board::Rect t = first->Layout().text;
    hover(view_->mapFromGlobal(first->pos() + QPoint(t.left + 2, t.top + 2)));
    QCOMPARE(view_->BalloonStacking().back(), 1);
    // The layout after a redraw keeps it in front.
    view_->HandleCommand(kBoardCommandWhisper);
    QCOMPARE(view_->BalloonStacking().back(), 1);
  }

  void BalloonsFollowTheMainWindow() {
    ChooseReading(0);
    NameTheUser();
    DropMember(view_.get(), {300, 150}, "南瓜 花子,女,20");
    view_->HandleCommand(kBoardCommandWhisper);
    const QPoint before = view_->Balloon(1)->pos();
    view_->move(30, 20);
    QTRY_COMPARE(view_->Balloon(1)->pos(), before + QPoint(30, 20));
  }
};

QTEST_MAIN(NuvaroScrollViewTest)
#include "nuvaro_scroll_view_test.moc"
