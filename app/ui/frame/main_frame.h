// CMainFrame: the program's main window. It holds the two views on the one board
// document (the guide menu first, the board after a reading is chosen), the bars around
// them (the brand bar with the guide menu; the menu bar and the vertical board toolbar
// with the board) and the floating member-list bar, and handles the commands that are
// not the board's: closing, the information menu, the version dialog, the companion
// programs and the way back to the guide menu.
#pragma once

#include <QMenu>
#include <QPointer>
#include <QString>

#include <functional>

#include <vector>

#include "ui/frame/sdi_frame_wnd.h"


class QToolBar;

namespace nuvaro::core {
class ApplicationCore;
struct ReadingActivation;
}  // namespace nuvaro::core

namespace nuvaro::ui {

class CBrandMenuToolbar;
class CNuvaroScrollView;
class CNuvaroMenuToolbar;
class CNuvaroVertToolbar;

inline constexpr int kFrameWidth = 800;
inline constexpr int kFrameHeight = 600;
// The smallest the main window may become: a board that still holds a ring of faces
// around the user with their balloons.
inline constexpr int kFrameMinimumWidth = 640;
inline constexpr int kFrameMinimumHeight = 480;
// The member-list bar floats this far right of the frame's left edge.
inline constexpr int kEntryBarOffsetX = 5;

class CMainFrame : public CSDIFrameWnd {
  Q_OBJECT

 public:
  // Builds the frame, its bars and one view per template, shows the guide menu and
  // centres the frame on the desktop (it is not shown yet). The member-list bar is made
  // by makeEntryBar (nullptr leaves the frame without one).
  CMainFrame(core::ApplicationCore& core, std::vector<CSDIDocTemplate> templates,
             const std::function<QWidget*(QWidget* frame)>& makeEntryBar, QWidget* parent = nullptr);
  ~CMainFrame() override;

  CBrandMenuToolbar* BrandBar() const { return brand_; }
  CNuvaroMenuToolbar* MenuBar() const { return menuBar_; }
  CNuvaroVertToolbar* BoardToolbar() const { return boardToolbar_; }
  QWidget* EntryBar() const { return entryBar_; }
  // The board view (nullptr when the board template made something else).
  CNuvaroScrollView* Board() const;

  // Whether each bar is meant to be shown (independent of the frame being on screen).
  bool IsBrandBarShown() const;
  bool IsMenuBarShown() const;
  bool IsBoardToolbarShown() const;
  bool IsEntryBarShown() const;

  // The frame's own commands: 1009 close, 1010 information menu, 36876 version dialog,
  // 36877 help, 36878 navigator, 36866 and 36879 back to the guide menu, 57670 help.
  // False for any other number.
  bool OnCommand(int command);
  // A button of the board toolbar: help and "メニュー" here, the rest to the board view.
  void OnBoardToolbarCommand(int command);

  // A reading was chosen in the guide menu: hide the brand bar; show the menu bar, the
  // board toolbar and the member-list bar; menu-bar texts, percentage caption, the board
  // view and the title of the reading.
  void ActivateReading(const core::ReadingActivation& activation);
  // Back to the guide menu ("メニュー", "戻る").
  void ReturnToGuideMenu();

  // The information menu as last opened, and where it was opened (global coordinates).
  QMenu* InformationMenu() const { return informationMenu_; }
  QPoint InformationMenuPosition() const { return informationMenuPosition_; }
  // The top-left corner the member-list bar is floated at (global coordinates).
  QPoint EntryBarPosition() const;

  // Centres the frame on the desktop it is on.
  void CentreOnDesktop();

  // Replaces the version dialog (tests; nothing waits for a click then).
  void SetVersionDialogRunner(std::function<void(QWidget* parent)> runner) { runVersionDialog_ = std::move(runner); }

  QMenu* createPopupMenu() override { return nullptr; }

 public slots:
  // What the board view asks of the frame (1009: show the member-list bar).
  void OnBoardRequest(int command);
  void TellNotAvailableYet();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QToolBar* MakeBar(const QString& name, QWidget* content, Qt::ToolBarArea area);
  void ShowInformationMenu();
  void ShowEntryBar(bool show);
  void PlaceEntryBar();
  void SwitchBalloonsOff();
  bool ForwardToBoard(int command);

  core::ApplicationCore& core_;
  CBrandMenuToolbar* brand_;
  CNuvaroMenuToolbar* menuBar_;
  CNuvaroVertToolbar* boardToolbar_;
  QToolBar* brandHolder_;
  QToolBar* menuHolder_;
  QToolBar* boardHolder_;
  QPointer<QWidget> entryBar_;
  bool entryBarPlaced_ = false;
  QPointer<QMenu> informationMenu_;
  QPoint informationMenuPosition_;
  std::function<void(QWidget* parent)> runVersionDialog_;
};

}  // namespace nuvaro::ui
