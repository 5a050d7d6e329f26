// Pictures of the whispering board from the real program, to look at the balloons as a
// user sees them: eight faces in a ring and ten dropped at random, at the main window's
// default size and at its smallest. Needs a display (balloons are windows of their own,
// so the board is grabbed from the screen): run under xvfb-run with QT_QPA_PLATFORM=xcb.
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QScreen>
#include <QTest>

#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <memory>
#include <random>
#include <string>

#include "board/board_commands.h"
#include "board/nuvaro_scroll_view.h"
#include "core/nuvaro_doc.h"
#include "members/member_drag_data.h"
#include "platform/core/encoding.h"
#include "platform/qt/qt_message_sink.h"
#include "ui/app/qt_translation.h"
#include "ui/controls/link_label.h"
#include "ui/app/sdi_win_app.h"
#include "ui/frame/frame_commands.h"
#include "ui/frame/main_frame.h"
#include "ui/frame/nuvaro_vert_toolbar.h"
#include "ui/guide/guide_menu_view.h"

using namespace nuvaro;
using namespace nuvaro::ui;

namespace {

// Fictional people: the user first, then the faces around.
const char* const kMembers[] = {"桃 太郎,男,30",   "山田 花子,女,20", "霞ヶ関 健一,男,40", "森 陽子,女,30",
                                "川村 大輔,男,20", "野口 真理,女,50", "小松 和夫,男,60",  "石川 さくら,女,10",
                                "高橋 誠,男,30",   "中村 美咲,女,40", "林 一郎,男,50"};

std::string Sjis(const char* utf8) { return platform::Utf8ToCp932(utf8).value_or(std::string()); }

void Drop(QWidget* board, const char* member, QPoint point) {
  std::unique_ptr<QMimeData> data(MemberDragData(Sjis(member)));
  const Qt::DropActions actions = Qt::CopyAction;
  QDragEnterEvent enter(point, actions, data.get(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(board, &enter);
  QDragMoveEvent move(point, actions, data.get(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(board, &move);
  QDropEvent drop(QPointF(point), actions, data.get(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(board, &drop);
}

bool SaveScreenArea(QWidget* window, const QString& folder, const QString& name) {
  QTest::qWait(500);
  const QString path = QDir(folder).filePath(name);
  const bool saved = QGuiApplication::primaryScreen()->grabWindow(0).copy(window->frameGeometry()).save(path);
  std::fprintf(stderr, "%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: board_screenshots OUTPUT_FOLDER\n");
    return 2;
  }
  const QString output = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(output);
  SetApplicationNames();
  platform::QtMessageSink sink;
  platform::SetMessageSink(&sink);
  CSDIWinApp app;
  if (!app.InitInstance()) return 1;
  CMainFrame* frame = app.MainFrame();
  frame->move(20, 20);
  QTest::qWait(500);
  auto* guide = qobject_cast<CGuideMenuView*>(frame->View(QStringLiteral("CGuideMenuView")));
  for (const auto& entry : guide->Entries()) {
    if (entry.picture == nullptr) continue;
    QTest::mouseClick(entry.label, Qt::LeftButton);
    break;
  }
  QTest::qWait(300);
  if (QWidget* bar = frame->EntryBar()) bar->hide();
  CNuvaroScrollView* board = frame->Board();
  core::CNuvaroDoc& document = app.Core().Document();

  for (const auto& step : CNuvaroScrollView::BalloonFontSteps())
    std::fprintf(stderr, "balloon font %d px: space %d x %d\n", step.pixelSize, step.spaceWidth, step.spaceHeight);
  int failures = 0;
  const QSize defaultSize = frame->size();
  const QSize smallest = frame->minimumSizeHint().expandedTo(frame->minimumSize());
  for (const QSize& size : {defaultSize, smallest}) {
    const bool isDefault = size == defaultSize;
    frame->resize(size);
    QTest::qWait(300);
    std::fprintf(stderr, "%s window %dx%d: board %dx%d\n", isDefault ? "default" : "smallest", frame->width(),
                 frame->height(), board->width(), board->height());
    for (const bool ring : {true, false}) {
      document.OnBoardSetUp();
      document.OnBoardSize(board->width(), board->height());
      const core::BoardRect self = document.Face().Entry(0).face;
      const QPoint centre((self.left + self.right) / 2, (self.top + self.bottom) / 2);
      Drop(board, kMembers[0], centre);
      const int count = ring ? 8 : 10;
      std::mt19937 random(7);
      std::uniform_int_distribution<int> x(50, board->width() - 50);
      std::uniform_int_distribution<int> y(50, board->height() - 70);
      for (int i = 0; i < count; ++i) {
        if (ring) {
          const double angle = 2 * M_PI * i / count;
          Drop(board, kMembers[i + 1],
               centre + QPoint(static_cast<int>((board->width() / 2.0 - 60) * std::sin(angle)),
                               static_cast<int>(-(board->height() / 2.0 - 80) * std::cos(angle))));
        } else {
          // Where no face stands yet, as a user drops people around.
          for (int tries = 0; tries < 500; ++tries) {
            const QPoint at(x(random), y(random));
            bool apart = true;
            for (const core::FaceEntry& entry : document.Face().Entries()) {
              apart = apart && (std::abs(at.x() - (entry.face.left + 50)) >= 100 ||
                                std::abs(at.y() - (entry.face.top + 50)) >= 120);
            }
            if (!apart) continue;
            Drop(board, kMembers[i + 1], at);
            break;
          }
        }
      }
      board->HandleCommand(kBoardCommandWhisper);
      const QString name = QStringLiteral("board_%1_%2.png")
                               .arg(ring ? QStringLiteral("ring8") : QStringLiteral("random10"),
                                    isDefault ? QStringLiteral("default") : QStringLiteral("smallest"));
      failures += SaveScreenArea(frame, output, name) ? 0 : 1;
      board->HandleCommand(kBoardCommandQuiet);
    }
  }
  return failures == 0 ? 0 : 1;
}
