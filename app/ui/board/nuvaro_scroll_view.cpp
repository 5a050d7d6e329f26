#include "board/nuvaro_scroll_view.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

#include "board/balloon_arrangement.h"
#include "board/balloon_geometry.h"
#include "board/balloon_window.h"
#include "board/board_commands.h"
#include "board/board_pictures.h"
#include "board/board_texts.h"
#include "board/name_plate.h"
#include "core/core_texts.h"
#include "core/japanese_line_breaks.h"
#include "core/guide_menu_model.h"
#include "core/nuvaro_doc.h"
#include "core/pair_reading.h"
#include "core/plugin_host.h"
#include "members/member_drag_data.h"
#include "platform/core/message_sink.h"
#include "platform/qt/text_conversion.h"

namespace nuvaro::ui {
namespace {

QString Ui(std::string_view cp932) { return platform::QStringFromCp932(cp932); }

core::BoardPoint ToBoard(QPoint point) { return {point.x(), point.y()}; }

QRect ToQRect(const core::BoardRect& rect) { return QRect(rect.left, rect.top, rect.Width(), rect.Height()); }

int DefaultPopupMenu(QWidget* parent, const QString& entry, int command, QPoint globalPos) {
  QMenu menu(parent);
  QAction* action = menu.addAction(entry);
  return menu.exec(globalPos) == action ? command : 0;
}

bool AskYesNo(QWidget* parent, std::string_view question) {
  return platform::ShowMessageBox(parent, question, core::texts::kConfirmCaption, platform::MessageButtons::YesNo) ==
         platform::kIdYes;
}

}  // namespace

int& CNuvaroScrollView::LastDirection() {
  static int lastDirection = 12;
  return lastDirection;
}

CNuvaroScrollView::CNuvaroScrollView(core::CNuvaroDoc& document, core::PluginHost& plugins,
                                     const core::EngineBinding& engine, QWidget* parent)
    : QWidget(parent), document_(document), plugins_(plugins), engine_(engine), runPopupMenu_(DefaultPopupMenu) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);  // the balloon of the face under the mouse comes to the front
  selfLabel_ = new QLabel(this);
  selfLabel_->setFixedSize(kSelfLabelWidth, kSelfLabelHeight);
  selfLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);
  dragImage_ = new QLabel(this);
  dragImage_->setAttribute(Qt::WA_TransparentForMouseEvents);
  dragImage_->setAttribute(Qt::WA_TranslucentBackground);
  dragImage_->hide();

  document_.OnBoardSetUp();
  setAcceptDrops(true);
  SyncWindows();
}

CNuvaroScrollView::~CNuvaroScrollView() {
  // The balloons are windows of their own: close them with the board.
  for (CBalloonWnd* balloon : balloons_) delete balloon;
}

CBalloonWnd* CNuvaroScrollView::Balloon(int index) const {
  return index >= 0 && index < static_cast<int>(balloons_.size()) ? balloons_[static_cast<std::size_t>(index)] : nullptr;
}

CNamePlate* CNuvaroScrollView::NamePlate(int index) const {
  return index >= 0 && index < static_cast<int>(plates_.size()) ? plates_[static_cast<std::size_t>(index)] : nullptr;
}

QString CNuvaroScrollView::HintText() const {
  const core::CFace& face = document_.Face();
  if (face.selfSet == 0) return Ui(board_texts::kHintNameYourself);
  if (face.LastIndex() <= 0) return Ui(board_texts::kHintAddOthers);
  if (!hasWhispered_ && face.whispering == 0 && face.activeEvent != 0) return Ui(board_texts::kHintWhisper);
  // Once, until the user first opens it: their own reading, when a plug-in offers one.
  if (!hasOpenedOwnReading_) {
    for (int i = 0; i < plugins_.Count(); ++i) {
      if (plugins_.Group(i) == core::kOwnFaceGroup) return Ui(board_texts::kHintOwnReading);
    }
  }
  return {};
}

// ---------------------------------------------------------------- commands

bool CNuvaroScrollView::HandleCommand(int command) {
  core::CFace& face = document_.Face();
  if (IsNamePlateCommand(command)) {
    OpenReading(NamePlateFaceId(command));
    return true;
  }
  switch (command) {
    case kBoardCommandMenu:
      core::DeactivateReading(face);
      SwitchBalloonsOff();
      return true;
    case kBoardCommandNameEntry:
      SwitchBalloonsOff();
      emit frameCommand(kBoardCommandNameEntry);
      return true;
    case kBoardCommandWhisper:
      if (face.LastIndex() > 0) Whisper();
      return true;
    case kBoardCommandQuiet:
      if (face.LastIndex() > 0) SwitchBalloonsOff();
      return true;
    case kBoardCommandClearAll:
      if (face.LastIndex() > 0 && AskYesNo(this, board_texts::kConfirmClearAll)) {
        document_.ClearAll();
        Redraw();
      }
      return true;
    case kBoardCommandPercentage:
      if (face.LastIndex() <= 0) {
        platform::ShowMessageBox(this, board_texts::kNoPartnerFace, core::texts::kApplicationTitle);
      } else {
        emit frameCommand(kBoardCommandPercentage);
      }
      return true;
    case kBoardCommandCalendar:
      emit frameCommand(kBoardCommandCalendar);
      return true;
    case kBoardCommandDiscard:
      if (contextIndex_ > 0 && face.IsActive(contextIndex_) != 0) {
        document_.DiscardFace(contextIndex_);
        Redraw();
      }
      contextIndex_ = 0;
      return true;
    case kBoardCommandRestore:
      document_.RestoreAll();
      Redraw();
      return true;
    case kBoardCommandTrashEmpty:
      document_.SetTrashEmpty();
      Redraw();
      return true;
    default:
      return false;
  }
}

void CNuvaroScrollView::SwitchBalloonsOff() {
  core::CFace& face = document_.Face();
  face.SetSpeaking(false);
  face.whispering = 0;
  Redraw();
}

void CNuvaroScrollView::Whisper() {
  core::CFace& face = document_.Face();
  core::ComputeWhispers(face, plugins_, engine_);
  face.whispering = 1;
  face.SetSpeaking(true);
  hasWhispered_ = true;
  Redraw();
}

void CNuvaroScrollView::OpenReading(int faceId) {
  core::CFace& face = document_.Face();
  const int remembered = face.whispering;
  SwitchBalloonsOff();
  // The user's own plate opens nothing while the user has no name.
  const core::ReadingWindow window = core::OpenReading(face, plugins_, faceId, static_cast<QWidget*>(this));
  if (faceId == 0 && window != core::ReadingWindow::None) hasOpenedOwnReading_ = true;
  if (window == core::ReadingWindow::DetailDialog) emit readingRequested(faceId);
  face.whispering = remembered;
  face.SetSpeaking(remembered != 0);
  Redraw();
}

void CNuvaroScrollView::OpenPlateMenu(int faceId, QPoint globalPos) {
  const core::CFace& face = document_.Face();
  if (faceId == 0 && face.IsSelfUnnamed()) return;
  const int chosen =
      runPopupMenu_(this, Ui(board_texts::kSurnameChangeMenuEntry), kBoardCommandSurnameChange, globalPos);
  if (chosen == kBoardCommandSurnameChange) emit surnameChangeRequested(faceId);
}

// ---------------------------------------------------------------- windows

void CNuvaroScrollView::Redraw() {
  SyncWindows();
  update();
}

void CNuvaroScrollView::SyncWindows() {
  const core::CFace& face = document_.Face();
  const auto& entries = face.Entries();
  const std::size_t count = entries.size();
  // Windows follow the entries by index; a set-up board starts again from its user.
  for (std::size_t i = 0; i < count; ++i) {
    if (i < plates_.size() && plates_[i]->FaceId() == entries[i].id) continue;
    if (i < plates_.size()) {
      delete plates_[i];
      delete balloons_[i];
    } else {
      plates_.push_back(nullptr);
      balloons_.push_back(nullptr);
    }
    auto* plate = new CNamePlate(entries[i].id, this);
    connect(plate, &CNamePlate::plateCommand, this, [this](int command) { HandleCommand(command); });
    connect(plate, &CNamePlate::menuRequested, this, &CNuvaroScrollView::OpenPlateMenu);
    plates_[i] = plate;
    balloons_[i] = new CBalloonWnd(this);
  }
  while (plates_.size() > count) {
    delete plates_.back();
    delete balloons_.back();
    plates_.pop_back();
    balloons_.pop_back();
  }

  for (std::size_t i = 0; i < count; ++i) {
    const core::FaceEntry& entry = entries[i];
    CNamePlate* plate = plates_[i];
    plate->SetName(entry.name);
    plate->move(entry.labelLeft, entry.labelTop);
    plate->setVisible(entry.active != 0);
  }
  if (count > 0) {
    selfLabel_->move(entries[0].labelLeft, entries[0].labelTop + kSelfLabelOffset);
    selfLabel_->lower();
  }
  LayOutBalloons();
}

void CNuvaroScrollView::HideAllBalloons() {
  for (CBalloonWnd* balloon : balloons_) balloon->hide();
}

const std::vector<board::FontStep>& CNuvaroScrollView::BalloonFontSteps() {
  // The balloon font and two steps smaller: 10 pixels is the least a kanji stays legible at.
  static const std::vector<board::FontStep> steps = [] {
    std::vector<board::FontStep> result;
    for (int pixels = kBalloonFontHeight; pixels >= kBalloonFontHeight - 2; --pixels) {
      const QSize space = CBalloonWnd::SpaceSize(pixels);
      result.push_back({pixels, space.width(), space.height()});
    }
    return result;
  }();
  return steps;
}

void CNuvaroScrollView::LayOutBalloons() {
  const core::CFace& face = document_.Face();
  const auto& entries = face.Entries();
  stacking_.clear();
  if (!isVisible() || face.whispering != 1 || entries.empty()) {
    HideAllBalloons();
    return;
  }
  const core::BoardRect self = entries[0].face;
  const QRect screenRect = screen() != nullptr ? screen()->geometry() : QRect(0, 0, 1 << 15, 1 << 15);
  const QPoint origin = mapToGlobal(QPoint(0, 0));
  auto onScreen = [&origin](const core::BoardRect& rect) {
    return board::Rect{origin.x() + rect.left, origin.y() + rect.top, origin.x() + rect.right,
                       origin.y() + rect.bottom};
  };
  board::BalloonScene scene;
  scene.screen = {screenRect.left(), screenRect.top(), screenRect.left() + screenRect.width(),
                  screenRect.top() + screenRect.height()};
  scene.board = onScreen({0, 0, width(), height()});
  for (const core::FaceEntry& entry : entries) {
    if (entry.active == 0) continue;
    scene.faces.push_back(onScreen(entry.face));
    scene.plates.push_back(onScreen({entry.labelLeft, entry.labelTop, entry.labelLeft + kNamePlateWidth,
                                     entry.labelTop + kNamePlateHeight}));
  }

  // The speaking faces, each with the balloon beside it; the layout pass places them all.
  std::vector<std::size_t> speakers;
  std::vector<board::BalloonRequest> requests;
  balloons_[0]->hide();
  for (std::size_t i = 1; i < entries.size(); ++i) {
    const core::FaceEntry& entry = entries[i];
    if (entry.active == 0 || entry.speaking == 0) {
      balloons_[i]->hide();
      continue;
    }
    board::BalloonRequest request;
    request.direction =
        board::ClockDirection({self.left, self.top}, {entry.face.left, entry.face.top}, LastDirection());
    request.textBytes = static_cast<int>(entry.balloonText.size());
    request.bytesPerLine = board::BytesPerLine(request.textBytes);
    request.brokenLines = static_cast<int>(core::BreakJapaneseLinesByBytes(entry.balloonText, request.bytesPerLine).size());
    request.face = onScreen(entry.face);
    request.insets = BoardPictures::Shared().Insets(entry.picture);
    speakers.push_back(i);
    requests.push_back(request);
  }
  const board::BalloonArrangement arrangement = balloonArrangement_.Arrange(requests, BalloonFontSteps(), scene);

  for (std::size_t k = 0; k < speakers.size(); ++k) {
    const core::FaceEntry& entry = entries[speakers[k]];
    CBalloonWnd* balloon = balloons_[speakers[k]];
    const board::ArrangedBalloon& arranged = arrangement.balloons[k];
    const QColor colour = entry.isMale != 0 ? kMaleBalloonColour : kFemaleBalloonColour;
    const int perLine = requests[k].bytesPerLine;
    const bool placed = arranged.place.layout.shapeType != 0;
    const int shape = placed ? arranged.place.layout.shapeType : board::ShapeTypeForDirection(requests[k].direction);
    const int pixels = BalloonFontSteps()[static_cast<std::size_t>(arranged.fontStep)].pixelSize;
    if (balloon->TextCp932() != entry.balloonText || balloon->TextColour() != colour || balloon->PerLine() != perLine ||
        balloon->Shape() != shape || balloon->FontPixelSize() != pixels) {
      if (!balloon->SetBalloon(entry.balloonText, colour, perLine, shape, pixels)) continue;
    }
    if (!placed) continue;
    balloon->move(arranged.place.topLeft.x, arranged.place.topLeft.y);
    balloon->show();
  }
  // Bottom to top as arranged; the face under the mouse keeps its balloon in front.
  for (int k : arrangement.stacking) stacking_.push_back(static_cast<int>(speakers[static_cast<std::size_t>(k)]));
  auto hovered = std::find(stacking_.begin(), stacking_.end(), hoveredIndex_);
  if (hovered != stacking_.end()) std::rotate(hovered, hovered + 1, stacking_.end());
  for (int index : stacking_) balloons_[static_cast<std::size_t>(index)]->raise();
}

int CNuvaroScrollView::SpeakerAt(QPoint point) const {
  const int onFace = document_.Face().HitTest(ToBoard(point));
  if (onFace > 0) return onFace;
  const QPoint global = mapToGlobal(point);
  for (auto it = stacking_.rbegin(); it != stacking_.rend(); ++it) {
    const CBalloonWnd* balloon = balloons_[static_cast<std::size_t>(*it)];
    if (balloon->isVisible() && balloon->Outline().contains(global - balloon->pos())) return *it;
  }
  return 0;
}

void CNuvaroScrollView::BringBalloonToFront(int index) {
  hoveredIndex_ = index;
  auto at = std::find(stacking_.begin(), stacking_.end(), index);
  if (at == stacking_.end() || at + 1 == stacking_.end()) return;
  std::rotate(at, at + 1, stacking_.end());
  balloons_[static_cast<std::size_t>(index)]->raise();
}

void CNuvaroScrollView::WatchTopLevel() {
  QWidget* top = window();
  if (top == watchedTopLevel_ || top == this) return;
  if (watchedTopLevel_) watchedTopLevel_->removeEventFilter(this);
  watchedTopLevel_ = top;
  top->installEventFilter(this);
}

bool CNuvaroScrollView::eventFilter(QObject* watched, QEvent* event) {
  // The balloons stand in screen coordinates: they follow the main window.
  if (watched == watchedTopLevel_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
    LayOutBalloons();
  return QWidget::eventFilter(watched, event);
}

void CNuvaroScrollView::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  LayOutBalloons();
}

void CNuvaroScrollView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  WatchTopLevel();
  SyncWindows();
}

void CNuvaroScrollView::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  HideAllBalloons();
}

void CNuvaroScrollView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  document_.OnBoardSize(width(), height());
  KeepTrashBoxInView();
  Redraw();
}

void CNuvaroScrollView::KeepTrashBoxInView() {
  core::TrashBox& trash = document_.Trash();
  if (!trash.placed) return;
  // Until the user moves it, the trash box keeps to its corner: the frame settles its
  // bars around the board after the first sizes, and a smaller window must not hide
  // it. A trash box the user placed stays, but never leaves the board.
  if (!trashMovedByUser_) {
    trash.PlaceInCorner(width(), height());
    return;
  }
  trash.topLeft.x = std::clamp(trash.topLeft.x, 0, std::max(width() - core::kTrashBoxSize, 0));
  trash.topLeft.y = std::clamp(trash.topLeft.y, 0, std::max(height() - core::kTrashBoxSize, 0));
}

// ---------------------------------------------------------------- drawing

void CNuvaroScrollView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Base));
  BoardPictures& pictures = BoardPictures::Shared();
  const core::TrashBox& trash = document_.Trash();
  if (trash.placed) painter.drawPixmap(trash.topLeft.x, trash.topLeft.y, pictures.Trash(trash.full));

  const auto& entries = document_.Face().Entries();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const core::FaceEntry& entry = entries[i];
    if (entry.active == 0) continue;
    if (i == 0) {
      painter.save();
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setPen(Qt::NoPen);
      painter.setBrush(kSelfEllipseColour);
      painter.drawEllipse(ToQRect(entry.face));
      painter.restore();
    }
    painter.drawPixmap(entry.face.left, entry.face.top, pictures.Face(entry.picture));
  }

  // The first steps, under the user's face until they are done.
  const QString hint = HintText();
  if (!hint.isEmpty() && !entries.empty()) {
    const core::FaceEntry& self = entries[0];
    const int top = self.labelTop + kSelfLabelOffset + kSelfLabelHeight;
    const QRect hintRect(self.face.left + self.face.Width() / 2 - 180, top, 360, 48);
    painter.setPen(QColor(110, 80, 140));
    painter.drawText(hintRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, hint);
  }
}

// ---------------------------------------------------------------- dropping members

void CNuvaroScrollView::dragEnterEvent(QDragEnterEvent* event) {
  if (!MayHoldMemberText(event->mimeData())) return event->ignore();
  // Taken here; whether it may land is decided point by point.
  event->setDropAction(Qt::CopyAction);
  event->accept();
}

void CNuvaroScrollView::dragMoveEvent(QDragMoveEvent* event) {
  if (MayHoldMemberText(event->mimeData()) && document_.CanDropAt(ToBoard(event->position().toPoint()))) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
  } else {
    event->ignore();
  }
}

void CNuvaroScrollView::dropEvent(QDropEvent* event) {
  const auto text = MemberTextFromDragData(event->mimeData());
  if (!text) return event->ignore();
  core::CFace& face = document_.Face();
  const core::DropOutcome outcome = document_.Drop(ToBoard(event->position().toPoint()), *text, engine_);
  if (outcome == core::DropOutcome::SelfRenamed && face.whispering == 1) {
    face.SetSpeaking(false);
    face.whispering = 0;
    Whisper();
  } else if (outcome == core::DropOutcome::FaceAdded && face.whispering == 1) {
    Whisper();
  }
  Redraw();
  if (outcome == core::DropOutcome::Nothing) return event->ignore();
  event->setDropAction(Qt::CopyAction);
  event->accept();
}

// ---------------------------------------------------------------- mouse

void CNuvaroScrollView::BeginImageDrag(const QPixmap& picture, QPoint point, QPoint grabOffset) {
  grabOffset_ = grabOffset;
  dragImage_->setPixmap(picture);
  dragImage_->resize(picture.size());
  dragImage_->move(point - grabOffset);
  dragImage_->show();
  dragImage_->raise();
}

void CNuvaroScrollView::EndImageDrag() {
  dragImage_->hide();
  dragImage_->clear();
}

void CNuvaroScrollView::mousePressEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  core::CFace& face = document_.Face();
  core::TrashBox& trash = document_.Trash();
  if (event->button() == Qt::LeftButton) {
    if (dragMode_ != DragMode::None) return;
    const int index = face.HitTest(ToBoard(point));
    if (index > 0) {
      dragMode_ = DragMode::Face;
      dragIndex_ = index;
      dragStart_ = point;
      face.SetSpeaking(false);
      Redraw();
      repaint();
      const core::BoardRect rect = face.Entry(index).face;
      BeginImageDrag(BoardPictures::Shared().Face(face.Entry(index).picture), point,
                     point - QPoint(rect.left, rect.top));
    } else if (trash.placed && trash.Hit(ToBoard(point))) {
      dragMode_ = DragMode::Trash;
      dragStart_ = point;
      BeginImageDrag(BoardPictures::Shared().Trash(trash.full), point, point - QPoint(trash.topLeft.x, trash.topLeft.y));
    }
    return;
  }
  if (event->button() == Qt::RightButton) {
    const QPoint global = event->globalPosition().toPoint();
    const int index = face.HitTest(ToBoard(point));
    if (index > 0) {
      contextIndex_ = index;
      const int chosen = runPopupMenu_(this, Ui(board_texts::kDiscardMenuEntry), kBoardCommandDiscard, global);
      if (chosen != 0) HandleCommand(chosen);
      else contextIndex_ = 0;
    } else if (trash.placed && trash.Hit(ToBoard(point))) {
      const int chosen = runPopupMenu_(this, Ui(board_texts::kRestoreMenuEntry), kBoardCommandRestore, global);
      if (chosen != 0) HandleCommand(chosen);
    }
  }
}

void CNuvaroScrollView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  if (dragMode_ == DragMode::None) {
    // Where balloons had to overlap, the one of the face (or balloon) under the mouse
    // comes to the front.
    const int speaker = SpeakerAt(point);
    if (speaker > 0) BringBalloonToFront(speaker);
    return;
  }
  if (rect().contains(point)) dragImage_->move(point - grabOffset_);
}

void CNuvaroScrollView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || dragMode_ == DragMode::None) return;
  const QPoint point = event->position().toPoint();
  core::CFace& face = document_.Face();
  core::TrashBox& trash = document_.Trash();
  const DragMode mode = dragMode_;
  dragMode_ = DragMode::None;
  EndImageDrag();
  if (mode == DragMode::Face) {
    const int index = dragIndex_;
    dragIndex_ = 0;
    if (!trash.Hit(ToBoard(point))) {
      document_.MoveFace(index, ToBoard(point - grabOffset_));
    } else if (AskYesNo(this, board_texts::kConfirmDiscard)) {
      document_.DiscardFace(index);
    }
    face.SetSpeaking(true);
  } else {
    trash.MoveTo(ToBoard(point), ToBoard(grabOffset_));
    trashMovedByUser_ = true;
    KeepTrashBoxInView();
  }
  Redraw();
}

}  // namespace nuvaro::ui
