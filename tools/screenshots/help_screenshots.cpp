// Takes the pictures of the user guide and the README from the real program: the guide
// menu, the board with whispering faces, the member-list bar and dialog, the chart, the
// calendar and its settings sheet. Run by scripts/help_screenshots.sh under a virtual X
// display (balloons are windows of their own, so the board is grabbed from the screen).
// Usage: help_screenshots OUTPUT_FOLDER (NUVARO_PROGRAM_DIR names the built program
// folder, NUVARO_DATA_DIR an empty folder for the sample lists).
#include <QApplication>
#include <QDialog>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMimeData>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "board/name_plate.h"
#include "board/nuvaro_scroll_view.h"
#include "core/face.h"
#include "core/member.h"
#include "members/entry_toolbar.h"
#include "members/member_dialog.h"
#include "members/member_drag_data.h"
#include "members/member_list_page.h"
#include "platform/core/data_folder.h"
#include "platform/core/encoding.h"
#include "platform/core/file_system.h"
#include "platform/qt/qt_message_sink.h"
#include "ui/app/qt_translation.h"
#include "ui/app/sdi_win_app.h"
#include "ui/calendar/calendar_settings_sheet.h"
#include "ui/calendar/calendar_window.h"
#include "ui/chart/percentage_dialog.h"
#include "ui/controls/hover_button.h"
#include "ui/naming/name_finder_window.h"
#include "ui/detail/contents_dialog.h"
#include "ui/controls/link_label.h"
#include "ui/frame/frame_commands.h"
#include "ui/frame/main_frame.h"
#include "ui/frame/nuvaro_vert_toolbar.h"
#include "ui/guide/guide_menu_view.h"

using namespace nuvaro;
using namespace nuvaro::ui;

namespace {

// Fictional people of the sample board: the user first, then the faces around.
const char* const kMembers[] = {"桃 太郎,男,30",   "南瓜 花子,女,20", "杉本 健一,男,40", "森 陽子,女,30",
                                "川村 大輔,男,20", "野口 真理,女,50", "小松 和夫,男,60"};

QString gOutput;

void Settle(int milliseconds = 400) { QTest::qWait(milliseconds); }

bool Save(const QPixmap& picture, const char* name) {
  const QString path = QDir(gOutput).filePath(QString::fromLatin1(name));
  const bool saved = picture.save(path);
  std::fprintf(stderr, "%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
  return saved;
}

// The screen under a top-level window, frame and balloons included.
bool SaveScreenArea(QWidget* window, const char* name) {
  Settle();
  return Save(QGuiApplication::primaryScreen()->grabWindow(0).copy(window->frameGeometry()), name);
}

bool Drop(QWidget* board, const std::string& memberCp932, QPoint point) {
  std::unique_ptr<QMimeData> data(MemberDragData(memberCp932));
  const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
  QDragEnterEvent enter(point, actions, data.get(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(board, &enter);
  QDragMoveEvent move(point, actions, data.get(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(board, &move);
  QDropEvent drop(QPointF(point), actions, data.get(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(board, &drop);
  return drop.isAccepted();
}

// Grabs the modal window that `open` shows once it is up, then closes it.
void GrabModal(const std::function<void()>& open, const char* name) {
  QTimer::singleShot(800, [name] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
      std::fprintf(stderr, "FAILED %s: no window\n", name);
      return;
    }
    Save(modal->grab(), name);
    if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
  });
  open();
}

std::string Sjis(const char* utf8) { return platform::Utf8ToCp932(utf8).value_or(std::string()); }

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: help_screenshots OUTPUT_FOLDER\n");
    return 2;
  }
  gOutput = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(gOutput);
  SetApplicationNames();
  InstallQtJapaneseTranslation();

  // The sample members in the first list of an empty data folder.
  std::string list;
  for (const char* member : kMembers) list += Sjis(member) + "\r\n";
  platform::WriteWholeFileSafely(platform::DataFile("friend.lst"), list);

  platform::QtMessageSink sink;
  platform::SetMessageSink(&sink);
  CSDIWinApp app;
  if (!app.InitInstance()) return 1;
  CMainFrame* frame = app.MainFrame();
  frame->move(40, 40);
  Settle(800);
  int failures = SaveScreenArea(frame, "guide_menu.png") ? 0 : 1;

  // Lover compatibility, the user in the middle, six people around.
  auto* guide = qobject_cast<CGuideMenuView*>(frame->View(QStringLiteral("CGuideMenuView")));
  for (const auto& entry : guide->Entries()) {
    if (entry.picture == nullptr) continue;
    QTest::mouseClick(entry.label, Qt::LeftButton);
    break;
  }
  Settle();
  CNuvaroScrollView* board = frame->Board();
  core::CFace& face = app.Core().Document().Face();
  const core::BoardRect self = face.Entry(0).face;
  const QPoint centre((self.left + self.right) / 2, (self.top + self.bottom) / 2);
  Drop(board, Sjis(kMembers[0]), centre);
  const QPoint around[] = {{210, -150}, {240, 20}, {200, 170}, {-210, -150}, {-240, 20}, {-200, 170}};
  for (int i = 0; i < 6; ++i) Drop(board, Sjis(kMembers[i + 1]), centre + around[i]);
  Settle();
  if (auto* bar = qobject_cast<CEntryToolbar*>(frame->EntryBar())) {
    failures += Save(bar->grab(), "member_bar.png") ? 0 : 1;
    // The name finder from the bar's button: a reading typed, the names ranked.
    QTest::mouseClick(bar->FinderButton(), Qt::LeftButton);
    Settle();
    if (auto* finder = frame->findChild<CNameFinderWindow*>()) {
      finder->SexCombo()->setCurrentIndex(2);
      finder->ReadingEdit()->setText(QStringLiteral("はな"));
      Settle();
      failures += SaveScreenArea(finder, "name_finder.png") ? 0 : 1;
      finder->close();
    } else {
      ++failures;
    }
    bar->hide();
  }
  QTest::mouseClick(frame->BoardToolbar()->Button(kCommandWhisper), Qt::LeftButton);
  failures += SaveScreenArea(frame, "board.png") ? 0 : 1;
  QTest::mouseClick(frame->BoardToolbar()->Button(kCommandQuiet), Qt::LeftButton);

  CMemberDialog dialog(Sjis("新規登録"), frame);
  dialog.SetForm(core::MemberForm{Sjis("南瓜"), Sjis("花子"), 1, Sjis("20")});
  dialog.show();
  Settle();
  failures += Save(dialog.grab(), "member_dialog.png") ? 0 : 1;
  dialog.hide();

  QTest::mouseClick(frame->BoardToolbar()->Button(kCommandPercentage), Qt::LeftButton);
  Settle();
  if (auto* chart = frame->findChild<CPercentageDialog*>()) {
    failures += Save(chart->grab(), "chart.png") ? 0 : 1;
    chart->close();
  } else {
    ++failures;
  }

  GrabModal([&] { QTest::mouseClick(frame->BoardToolbar()->Button(kCommandCalendar), Qt::LeftButton); },
            "calendar.png");

  // The detail reading of the first person: the contents, then its print preview.
  QTimer::singleShot(800, [&failures] {
    auto* contents = qobject_cast<CContentsDialog*>(QApplication::activeModalWidget());
    if (contents == nullptr) {
      ++failures;
      return;
    }
    failures += Save(contents->grab(), "detail_contents.png") ? 0 : 1;
    QTimer::singleShot(800, [&failures, contents] {
      QWidget* preview = QApplication::activeModalWidget();
      if (preview == nullptr || preview == contents) {
        ++failures;
      } else {
        failures += Save(preview->grab(), "print_preview.png") ? 0 : 1;
        if (auto* dialog = qobject_cast<QDialog*>(preview)) dialog->reject();
      }
      contents->reject();
    });
    QTest::mouseClick(contents->PreviewButton(), Qt::LeftButton);
  });
  QTest::mouseClick(board->NamePlate(1), Qt::LeftButton);
  CPropertySheetCalendar sheet(calendar::CalendarSettings{}, frame);
  sheet.show();
  Settle();
  failures += Save(sheet.grab(), "calendar_settings.png") ? 0 : 1;
  sheet.Tabs()->setCurrentIndex(1);
  Settle();
  failures += Save(sheet.grab(), "calendar_colours.png") ? 0 : 1;
  sheet.hide();

  platform::SetMessageSink(nullptr);
  return failures == 0 ? 0 : 1;
}
