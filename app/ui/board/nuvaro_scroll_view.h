// CNuvaroScrollView: the whisper board on screen. It draws the trash box, the user's
// face on its lilac ellipse and the other faces with their name plates; takes member
// texts dropped from the member lists (or plain "name,sex,age band" text from other
// programs); lets the user move faces, throw them into the trash box and move the trash
// box; and shows a speech balloon beside every other face while the board whispers.
// All state lives in the board document; the view only shows it and asks it.
#pragma once

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

#include "board/balloon_arrangement.h"
#include "board/balloon_arrangement_memo.h"

class QLabel;

namespace nuvaro::core {
class CNuvaroDoc;
class EngineBinding;
class PluginHost;
}  // namespace nuvaro::core

namespace nuvaro::ui {

class CBalloonWnd;
class CNamePlate;

// The user's face stands on an ellipse of this colour.
inline const QColor kSelfEllipseColour{204, 153, 204};
// The empty self label, and how far below the top of the user's name plate it stands.
inline constexpr int kSelfLabelWidth = 100;
inline constexpr int kSelfLabelHeight = 25;
inline constexpr int kSelfLabelOffset = 22;

class CNuvaroScrollView : public QWidget {
  Q_OBJECT

 public:
  enum class DragMode { None = 0, Face = 1, Trash = 2 };

  // One popup menu with a single entry: answers the entry's command when it was
  // chosen, 0 otherwise. Replaceable so that tests never wait for a click.
  using PopupMenuRunner = std::function<int(QWidget* parent, const QString& entry, int command, QPoint globalPos)>;

  // Sets the board up: the user's face, the trash box (in the bottom-right corner from
  // the first size event on, until the user moves it), drops accepted.
  CNuvaroScrollView(core::CNuvaroDoc& document, core::PluginHost& plugins, const core::EngineBinding& engine,
                    QWidget* parent = nullptr);
  ~CNuvaroScrollView() override;

  // The board's commands: 1009 "名前入力" (balloons off, then frameCommand(1009) so the
  // frame shows the member-list bar), 1010 "ヌヴァロ", 1011 "だまる", 1012 "全消去",
  // 1013 "愛情度" and 1014 "カレンダ" (frameCommand asks the frame to open the chart or
  // the calendar; 1013 without another face only tells the user), 36866 "メニュー"
  // (the board's share: no reading, balloons off), 36867 "削除(&X)" (the face whose menu
  // was opened), 36870 "元に戻す(&Z)", 36869 (trash box empty), and the name plates
  // (NamePlateCommand(id)). False for any other number (57670 "？使い方" is the frame's).
  bool HandleCommand(int command);

  // Clears the speaking flags and `whispering`: every balloon disappears.
  void SwitchBalloonsOff();

  void SetPopupMenuRunner(PopupMenuRunner runner) { runPopupMenu_ = std::move(runner); }

  // What is on screen, for the frame and for tests.
  CBalloonWnd* Balloon(int index) const;
  CNamePlate* NamePlate(int index) const;
  QLabel* SelfLabel() const { return selfLabel_; }
  QLabel* DragImage() const { return dragImage_; }
  DragMode CurrentDragMode() const { return dragMode_; }
  int DraggedIndex() const { return dragIndex_; }
  // The first-steps hint the board shows now (empty when there is none).
  QString HintText() const;

  // The clock direction computed last (process-wide; 12 at start).
  static int& LastDirection();

  // The face indices of the balloons shown, from the bottom to the top.
  const std::vector<int>& BalloonStacking() const { return stacking_; }
  // The sizes the balloon font may take, its own first.
  static const std::vector<board::FontStep>& BalloonFontSteps();

 signals:
  // Something only the frame can do: 1009 show the member-list bar, 1013 open the
  // percentage chart, 1014 open the fortune calendar.
  void frameCommand(int command);
  // A name plate asks for the program's detail dialog of the person with this face id.
  void readingRequested(int faceId);
  // "姓が変わるとき…" from a name plate's menu: compare this person's name under
  // another surname.
  void surnameChangeRequested(int faceId);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Brings the name plates, the self label and the balloons in line with the document
  // and repaints.
  void Redraw();
  void SyncWindows();
  void LayOutBalloons();
  void HideAllBalloons();
  // The face whose face or balloon is under the point (0 for none), and bringing its
  // balloon to the front.
  int SpeakerAt(QPoint point) const;
  void BringBalloonToFront(int index);
  void KeepTrashBoxInView();
  // Computes every whisper and lets the faces speak.
  void Whisper();
  void OpenReading(int faceId);
  // The menu of a name plate (a named person only).
  void OpenPlateMenu(int faceId, QPoint globalPos);
  void BeginImageDrag(const QPixmap& picture, QPoint point, QPoint grabOffset);
  void EndImageDrag();
  void WatchTopLevel();

  core::CNuvaroDoc& document_;
  core::PluginHost& plugins_;
  const core::EngineBinding& engine_;

  std::vector<CNamePlate*> plates_;
  std::vector<CBalloonWnd*> balloons_;
  board::BalloonArrangementMemo balloonArrangement_;  // moving the window costs no new search
  QLabel* selfLabel_ = nullptr;
  QLabel* dragImage_ = nullptr;
  QPointer<QWidget> watchedTopLevel_;

  DragMode dragMode_ = DragMode::None;
  int dragIndex_ = 0;
  QPoint dragStart_;
  QPoint grabOffset_;
  int contextIndex_ = 0;  // the face whose menu was opened last
  int hoveredIndex_ = 0;  // the face whose balloon the mouse brought to the front last
  std::vector<int> stacking_;
  bool hasWhispered_ = false;
  bool hasOpenedOwnReading_ = false;  // the user has clicked their own name plate once
  bool trashMovedByUser_ = false;
  PopupMenuRunner runPopupMenu_;
};

}  // namespace nuvaro::ui
