#include "ui/frame/main_frame.h"

#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QToolBar>

#include "core/application_core.h"
#include "core/guide_menu_model.h"
#include "board/board_texts.h"
#include "core/core_texts.h"
#include "platform/core/message_sink.h"
#include "platform/qt/text_conversion.h"
#include "ui/chart/percentage_dialog.h"
#include "ui/controls/hover_button.h"
#include "ui/detail/detail_dialogs.h"
#include "ui/frame/brand_menu_toolbar.h"
#include "ui/frame/frame_artwork.h"
#include "ui/frame/frame_commands.h"
#include "ui/frame/nuvaro_menu_toolbar.h"
#include "ui/frame/nuvaro_vert_toolbar.h"
#include "ui/frame/version_dialog.h"
#include "board/nuvaro_scroll_view.h"
#include "ui/guide/guide_menu_view.h"
#include "ui/calendar/calendar_window.h"
#include "ui/naming/surname_change_dialog.h"

namespace nuvaro::ui {
namespace {

constexpr char kGuideMenuTitle[] = "ガイドメニュー";
constexpr char kGuideViewClass[] = "CGuideMenuView";
constexpr char kBoardViewClass[] = "CNuvaroScrollView";
// The member-list bar floats this far below the top of the frame's client area, clear
// of the menu bar.
constexpr int kEntryBarOffsetY = 64;

// The percentage chart of the board's people, modal to the frame; it deletes itself
// when closed.
void OpenPercentageDialog(core::ApplicationCore& core, QWidget* frame) {
  auto* dialog = new CPercentageDialog(&core.Document().Face(), core.Plugins(), core.Engine(), frame);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->open();
}

}  // namespace

CMainFrame::CMainFrame(core::ApplicationCore& core, std::vector<CSDIDocTemplate> templates,
                       const std::function<QWidget*(QWidget* frame)>& makeEntryBar, QWidget* parent)
    : CSDIFrameWnd(parent),
      core_(core),
      brand_(new CBrandMenuToolbar),
      menuBar_(new CNuvaroMenuToolbar),
      boardToolbar_(new CNuvaroVertToolbar),
      runVersionDialog_(RunVersionDialog) {
  setObjectName("CMainFrame");
  setWindowIcon(ApplicationIcon());
  resize(kFrameWidth, kFrameHeight);
  setMinimumSize(kFrameMinimumWidth, kFrameMinimumHeight);

  brandHolder_ = MakeBar(QStringLiteral("CBrandMenuToolbar"), brand_, Qt::TopToolBarArea);
  menuHolder_ = MakeBar(QStringLiteral("CNuvaroMenuToolbar"), menuBar_, Qt::TopToolBarArea);
  boardHolder_ = MakeBar(QStringLiteral("CNuvaroVertToolbar"), boardToolbar_, Qt::RightToolBarArea);
  boardHolder_->setOrientation(Qt::Vertical);
  connect(brand_, &CBrandMenuToolbar::command, this, [this](int command) { OnCommand(command); });
  connect(menuBar_, &CNuvaroMenuToolbar::command, this, [this](int command) { OnCommand(command); });
  connect(boardToolbar_, &CNuvaroVertToolbar::command, this, &CMainFrame::OnBoardToolbarCommand);

  if (makeEntryBar) entryBar_ = makeEntryBar(this);

  CreateViews(std::move(templates));
  if (auto* guide = qobject_cast<CGuideMenuView*>(View(kGuideViewClass))) {
    connect(guide, &CGuideMenuView::readingActivated, this, &CMainFrame::ActivateReading);
  }
  if (CNuvaroScrollView* board = Board()) {
    connect(board, &CNuvaroScrollView::frameCommand, this, &CMainFrame::OnBoardRequest);
    connect(board, &CNuvaroScrollView::readingRequested, this, [this](int faceId) {
      RunDetailReading(core_.Document().Face(), core_.Plugins(), core_.Engine(), faceId, this);
    });
    connect(board, &CNuvaroScrollView::surnameChangeRequested, this, [this](int faceId) {
      OpenSurnameChange(core_.Document().Face(), core_.Plugins(), core_.Engine(), faceId, std::string(), this);
    });
  }

  // The opening screen: the guide menu under the brand bar; the board's bars and the
  // member-list bar wait for a reading.
  menuHolder_->hide();
  boardHolder_->hide();
  if (entryBar_) entryBar_->hide();
  setWindowTitle(QString::fromUtf8(kGuideMenuTitle));
  CentreOnDesktop();
  PlaceEntryBar();
}

CMainFrame::~CMainFrame() { delete entryBar_.data(); }

QToolBar* CMainFrame::MakeBar(const QString& name, QWidget* content, Qt::ToolBarArea area) {
  auto* bar = new QToolBar(name, this);
  bar->setObjectName(name + QStringLiteral("Holder"));
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setContextMenuPolicy(Qt::PreventContextMenu);
  bar->setStyleSheet(QStringLiteral("QToolBar { border: 0px; padding: 0px; margin: 0px; spacing: 0px; }"));
  bar->toggleViewAction()->setVisible(false);
  bar->addWidget(content);
  addToolBar(area, bar);
  return bar;
}

bool CMainFrame::IsBrandBarShown() const { return !brandHolder_->isHidden(); }
bool CMainFrame::IsMenuBarShown() const { return !menuHolder_->isHidden(); }
bool CMainFrame::IsBoardToolbarShown() const { return !boardHolder_->isHidden(); }
bool CMainFrame::IsEntryBarShown() const { return entryBar_ && !entryBar_->isHidden(); }

bool CMainFrame::OnCommand(int command) {
  switch (command) {
    case kCommandClose:
      close();
      return true;
    case kCommandInformation:
      ShowInformationMenu();
      return true;
    case kCommandVersion:
      if (runVersionDialog_) runVersionDialog_(this);
      return true;
    case kCommandHowToUse:
    case kCommandHelp:
      core_.Companions().Show(core::Companion::Help);
      return true;
    case kCommandSolveProblem:
      core_.Companions().Show(core::Companion::Navigator);
      return true;
    case kCommandMenu:
    case kCommandBack:
      ReturnToGuideMenu();
      return true;
    default:
      return false;
  }
}

void CMainFrame::OnBoardToolbarCommand(int command) {
  if (command == kCommandHelp || command == kCommandMenu) {
    OnCommand(command);
    return;
  }
  ForwardToBoard(command);
}

void CMainFrame::OnBoardRequest(int command) {
  switch (command) {
    case kCommandNameEntry:
      ShowEntryBar(true);
      break;
    case kCommandMenu:
    case kCommandHelp:
      OnCommand(command);
      break;
    case kCommandPercentage:
      OpenPercentageDialog(core_, this);
      break;
    case kCommandCalendar:
      RunCalendarWindow(core_.Document().Face(), core_.Engine(), this);
      break;
    default:
      break;
  }
}

// The detail dialog is not part of the program yet: say so rather than letting the
// name plate do nothing.
void CMainFrame::TellNotAvailableYet() {
  platform::ShowMessageBox(this, board_texts::kNotAvailableYet, core::texts::kApplicationTitle);
}

CNuvaroScrollView* CMainFrame::Board() const { return qobject_cast<CNuvaroScrollView*>(View(kBoardViewClass)); }

bool CMainFrame::ForwardToBoard(int command) {
  CNuvaroScrollView* board = Board();
  return board != nullptr && board->HandleCommand(command);
}

void CMainFrame::ActivateReading(const core::ReadingActivation& activation) {
  brandHolder_->hide();
  menuHolder_->show();
  boardHolder_->show();
  ShowEntryBar(true);
  menuBar_->SetUpperText(platform::QStringFromCp932(activation.menuCaption));
  menuBar_->SetLowerText(platform::QStringFromCp932(activation.menuExplanation));
  boardToolbar_->SetPercentageCaption(platform::QStringFromCp932(activation.percentageLabel));
  ActivateView(kBoardViewClass);
  setWindowTitle(platform::QStringFromCp932(activation.frameTitle));
}

void CMainFrame::ReturnToGuideMenu() {
  ShowEntryBar(false);
  brandHolder_->show();
  menuHolder_->hide();
  boardHolder_->hide();
  ActivateView(kGuideViewClass);
  // The frame has no menu bar to remove: it never makes one.
  core::DeactivateReading(core_.Document().Face());
  SwitchBalloonsOff();
  setWindowTitle(QString::fromUtf8(kGuideMenuTitle));
}

void CMainFrame::SwitchBalloonsOff() {
  if (CNuvaroScrollView* board = Board()) {
    board->SwitchBalloonsOff();
  } else {
    core::CFace& face = core_.Document().Face();
    face.SetSpeaking(false);
    face.whispering = 0;
  }
}

void CMainFrame::ShowInformationMenu() {
  delete informationMenu_.data();
  auto* menu = new QMenu(this);
  menu->setObjectName(QStringLiteral("InformationMenu"));
  menu->setAttribute(Qt::WA_DeleteOnClose, false);
  struct Item {
    const char* caption;
    int command;
  };
  const Item items[] = {{"ヌヴァロ君の使い方", kCommandHowToUse},
                        {"具体的な悩みの解決方法", kCommandSolveProblem},
                        {"バージョン情報", kCommandVersion}};
  bool first = true;
  for (const Item& item : items) {
    if (!first) menu->addSeparator();
    first = false;
    QAction* action = menu->addAction(QString::fromUtf8(item.caption));
    action->setData(item.command);
    const int number = item.command;
    connect(action, &QAction::triggered, this, [this, number] { OnCommand(number); });
  }
  informationMenu_ = menu;
  // At the button's bottom edge, one button width left of its left edge.
  CHoverButton* button = brand_->InformationButton();
  informationMenuPosition_ = button->mapToGlobal(QPoint(-button->width(), button->height()));
  menu->popup(informationMenuPosition_);
}

void CMainFrame::ShowEntryBar(bool show) {
  if (!entryBar_) return;
  if (show) {
    entryBar_->show();
    entryBar_->raise();
  } else {
    entryBar_->hide();
  }
}

QPoint CMainFrame::EntryBarPosition() const {
  return QPoint(frameGeometry().left() + kEntryBarOffsetX, geometry().top() + kEntryBarOffsetY);
}

void CMainFrame::PlaceEntryBar() {
  if (entryBar_) entryBar_->move(EntryBarPosition());
}

void CMainFrame::CentreOnDesktop() {
  QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect desktop = screen->availableGeometry();
  const QRect outer = frameGeometry();
  move(desktop.left() + (desktop.width() - outer.width()) / 2, desktop.top() + (desktop.height() - outer.height()) / 2);
}

void CMainFrame::showEvent(QShowEvent* event) {
  CSDIFrameWnd::showEvent(event);
  if (!entryBarPlaced_ && !event->spontaneous()) {
    // Once the window system has framed the window, centre it and float the member-list
    // bar beside it, once; afterwards both stay where the user puts them.
    entryBarPlaced_ = true;
    QTimer::singleShot(0, this, [this] {
      CentreOnDesktop();
      PlaceEntryBar();
    });
  }
}

}  // namespace nuvaro::ui
