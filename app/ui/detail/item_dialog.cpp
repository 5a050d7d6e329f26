#include "ui/detail/item_dialog.h"

#include <QPainter>
#include <QTextEdit>

#include "core/detail_texts.h"
#include "detail/detail_ui_texts.h"
#include "platform/qt/text_conversion.h"
#include "ui/controls/control_command.h"
#include "ui/controls/dialog_units.h"
#include "ui/controls/hover_button.h"
#include "ui/controls/link_label.h"
#include "ui/detail/band_label.h"
#include "ui/detail/detail_document.h"
#include "ui/detail/detail_style.h"

namespace nuvaro::ui {
namespace {

constexpr int kWidthUnits = 403;
constexpr int kHeightUnits = 371;
// Everything stands inside the white card of the background pictures.
constexpr int kCardInset = 48;
constexpr int kLineTop = 46;
constexpr int kLineHeight = 24;
constexpr int kArrowSize = 24;
constexpr int kLabelTop = 80;
constexpr int kLabelHeight = 34;
constexpr int kTextTop = 122;
constexpr int kLinePixelHeight = 13;
constexpr int kLabelPixelHeight = 16;
constexpr int kButtonGap = 10;
// Detail texts are shown in this face and size; the text area's default font differs.
constexpr int kDetailPointSize = 12;

QString Ui(std::string_view cp932) { return platform::QStringFromCp932(cp932); }

CLinkLabel* MakeLine(QWidget* parent, int commandId) {
  auto* line = new CLinkLabel(parent);
  line->SetFaceName(RunFaceName(core::RunFace::Gothic));
  line->SetHeight(kLinePixelHeight);
  line->SetBold(true);
  line->SetTextColour(kItemLineColour);
  line->SetHoverColour(kItemLineHoverColour);
  line->SetCommand(commandId);
  line->setCursor(LinkCursor());
  return line;
}

QLabel* MakeArrow(QWidget* parent, bool previous) {
  auto* arrow = new QLabel(parent);
  arrow->setPixmap(ItemArrowPicture(previous));
  arrow->setFixedSize(kArrowSize, kArrowSize);
  return arrow;
}

}  // namespace

CItemDialog::CItemDialog(const core::DetailReading& reading, int item, QWidget* parent)
    : QDialog(parent),
      reading_(reading),
      previous_(MakeLine(this, kPreviousLineId)),
      previousArrow_(MakeArrow(this, true)),
      label_(new CBandLabel(kItemBandFrom, kItemBandTo, this)),
      text_(new QTextEdit(this)),
      next_(MakeLine(this, kNextLineId)),
      nextArrow_(MakeArrow(this, false)),
      back_(MakeDetailButton(Ui(detail_texts::kBackButton), this)),
      close_(MakeDetailButton(Ui(detail_texts::kCloseButton), this)) {
  setObjectName("CItemDialog");
  setWindowTitle(Ui(detail_texts::kItemTitle));
  setFixedSize(DialogSizeToPixels(kWidthUnits, kHeightUnits));
  QPalette back = palette();
  back.setColor(QPalette::Window, QColor(255, 250, 252));
  setPalette(back);

  const int inner = width() - 2 * kCardInset;
  const QSize button = close_->size();
  const int buttonTop = height() - kCardInset - button.height() + 8;
  const int nextTop = buttonTop - 12 - kLineHeight;
  previousArrow_->move(kCardInset, kLineTop);
  previous_->setGeometry(kCardInset + kArrowSize + 6, kLineTop, inner - kArrowSize - 6, kLineHeight);
  previous_->setText(Ui(detail_texts::kPreviousLine));
  label_->setGeometry(kCardInset, kLabelTop, inner, kLabelHeight);
  QFont labelFont(RunFaceName(core::RunFace::Gothic));
  labelFont.setPixelSize(kLabelPixelHeight);
  labelFont.setBold(true);
  label_->setFont(labelFont);
  text_->setGeometry(kCardInset, kTextTop, inner, nextTop - 10 - kTextTop);
  nextArrow_->move(kCardInset, nextTop);
  next_->setGeometry(kCardInset + kArrowSize + 6, nextTop, inner - kArrowSize - 6, kLineHeight);
  next_->setText(Ui(detail_texts::kNextLine));
  close_->move(width() - kCardInset - button.width(), buttonTop);
  back_->move(close_->x() - kButtonGap - button.width(), buttonTop);

  // A read-only rich text, "ＭＳ 明朝" 12 points bold unless a run says otherwise.
  text_->setReadOnly(true);
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  text_->setFont(DetailFont(core::RunFace::Mincho, kDetailPointSize, true));
  text_->document()->setDefaultFont(DetailFont(core::RunFace::Mincho, kDetailPointSize, true));
  text_->document()->setDocumentMargin(10);
  text_->setStyleSheet(QStringLiteral("QTextEdit { background: rgba(255, 255, 255, 235);"
                                      " border: 1px solid rgb(230, 200, 215); border-radius: 4px; }"));

  connect(back_, &QPushButton::clicked, this, &QDialog::reject);
  connect(close_, &QPushButton::clicked, this, [this] { done(kCloseAll); });
  ShowItem(item);
  // Opened at an item beyond 5 the dialog has nothing of its own to show: no stale
  // placeholder texts, no lines leading anywhere.
  if (item_ == 0) {
    label_->hide();
    previous_->hide();
    previousArrow_->hide();
    next_->hide();
    nextArrow_->hide();
  }
}

QString CItemDialog::LineText(int k) const {
  return Ui(reading_.personName + reading_.Caption(k));
}

void CItemDialog::ShowItem(int k) {
  if (k < 1 || k > core::kDetailItemsPaged) return;
  item_ = k;
  background_ = ItemBackground(k);
  SetElidedText(label_, Ui(std::string(core::detail_texts::kLabelMark) + reading_.personName + reading_.Caption(k)));
  label_->show();

  text_->clear();
  core::DetailRun run{core::RunFace::Gothic, kDetailPointSize, true, false, reading_.Detail(k)};
  FillDetailDocument(*text_->document(), {run}, kDetailPointSize);
  text_->document()->setDefaultFont(DetailFont(core::RunFace::Mincho, kDetailPointSize, true));
  text_->moveCursor(QTextCursor::Start);

  const core::ItemNeighbours neighbours = core::NeighboursOf(reading_, k);
  SetElidedText(previous_, LineText(k - 1));
  previous_->setVisible(neighbours.previous);
  previousArrow_->setVisible(neighbours.previous);
  SetElidedText(next_, LineText(k + 1));
  next_->setVisible(neighbours.next);
  nextArrow_->setVisible(neighbours.next);
  update();
}

bool CItemDialog::event(QEvent* event) {
  if (event->type() == CommandEvent::EventType()) {
    const auto* command = static_cast<CommandEvent*>(event);
    if (command->Code() == kLinkClickCode && command->Id() == kPreviousLineId) ShowItem(item_ - 1);
    if (command->Code() == kLinkClickCode && command->Id() == kNextLineId) ShowItem(item_ + 1);
    return true;
  }
  return QDialog::event(event);
}

void CItemDialog::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (background_.isNull()) {
    painter.fillRect(rect(), palette().window());
  } else {
    painter.drawPixmap(rect(), background_);
  }
  QDialog::paintEvent(event);
}

}  // namespace nuvaro::ui
