#include "ui/detail/contents_dialog.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QScrollBar>

#include "detail/detail_ui_texts.h"
#include "platform/qt/text_conversion.h"
#include "ui/controls/control_command.h"
#include "ui/controls/dialog_units.h"
#include "ui/controls/hover_button.h"
#include "ui/controls/link_label.h"
#include "ui/detail/band_label.h"
#include "ui/detail/detail_document.h"
#include "ui/detail/detail_style.h"
#include "ui/detail/item_dialog.h"
#include "ui/detail/print_preview_dialog.h"

namespace nuvaro::ui {
namespace {

constexpr int kWidthUnits = 403;
constexpr int kHeightUnits = 371;
constexpr int kMargin = 24;
constexpr int kTitleTop = 20;
constexpr int kTitleHeight = 40;
constexpr int kTitlePixelHeight = 20;
constexpr int kExplanationTop = 72;
constexpr int kExplanationHeight = 76;
constexpr int kExplanationPixelHeight = 14;
constexpr int kExplanationPadding = 10;
constexpr int kLinesTop = 168;
constexpr int kLineStep = 40;
constexpr int kPictureSize = 32;
constexpr int kLineIndent = 12;
constexpr int kLinePixelHeight = 14;
constexpr int kButtonGap = 10;
constexpr int kPromptPixelHeight = 12;

const QColor kBackTop(246, 252, 247);
const QColor kBackBottom(226, 244, 231);
const QColor kPanelBorder(180, 220, 190);
const QColor kPromptColour(90, 120, 100);
const QColor kEmptyLineColour(160, 180, 165);

QString Ui(std::string_view cp932) { return platform::QStringFromCp932(cp932); }

}  // namespace

CContentsDialog::CContentsDialog(core::DetailReading reading, QWidget* parent)
    : QDialog(parent),
      reading_(std::move(reading)),
      title_(new CBandLabel(kTitleBandFrom, kTitleBandTo, this)),
      explanationArea_(new QScrollArea(this)),
      explanation_(new QLabel),
      preview_(MakeDetailButton(Ui(detail_texts::kPreviewButton), this)),
      close_(MakeDetailButton(Ui(detail_texts::kCloseButton), this)),
      runItemDialog_(RunItemDialog),
      runPreview_(RunPrintPreview) {
  setObjectName("CContentsDialog");
  setWindowTitle(Ui(detail_texts::kContentsTitle));
  setFixedSize(DialogSizeToPixels(kWidthUnits, kHeightUnits));
  const int inner = width() - 2 * kMargin;

  // The whole title, mark included, as a green band.
  QFont titleFont(RunFaceName(core::RunFace::Gothic));
  titleFont.setPixelSize(kTitlePixelHeight);
  titleFont.setBold(true);
  title_->setFont(titleFont);
  title_->setGeometry(kMargin, kTitleTop, inner, kTitleHeight);
  title_->setText(Ui(reading_.title));
  title_->setVisible(!reading_.title.empty());

  // The explanation on its panel; a text longer than the panel scrolls inside it.
  QFont explanationFont(RunFaceName(core::RunFace::Gothic));
  explanationFont.setPixelSize(kExplanationPixelHeight);
  explanation_->setFont(explanationFont);
  explanation_->setWordWrap(true);
  explanation_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  explanation_->setContentsMargins(kExplanationPadding, kExplanationPadding, kExplanationPadding, kExplanationPadding);
  explanation_->setText(Ui(reading_.explanation));
  explanation_->setAutoFillBackground(false);
  explanationArea_->setFrameShape(QFrame::NoFrame);
  explanationArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  explanationArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  explanationArea_->setWidgetResizable(true);
  explanationArea_->setStyleSheet(QStringLiteral("QScrollArea { background: transparent; }"));
  explanationArea_->viewport()->setAutoFillBackground(false);
  explanationArea_->setWidget(explanation_);
  explanationArea_->setGeometry(kMargin, kExplanationTop, inner, kExplanationHeight);
  explanationArea_->setVisible(!reading_.explanation.empty());
  explanation_->setVisible(!reading_.explanation.empty());

  // Every line stays, even without a caption (it then shows the name alone and opens
  // an empty item); only its picture goes.
  for (int k = 1; k <= core::kDetailItemsListed; ++k) {
    const int top = kLinesTop + (k - 1) * kLineStep;
    auto* picture = new QLabel(this);
    picture->setPixmap(ItemLinePicture());
    picture->setGeometry(kMargin + kLineIndent, top, kPictureSize, kPictureSize);
    picture->setVisible(!reading_.Caption(k).empty());
    auto* line = new CLinkLabel(this);
    line->SetFaceName(RunFaceName(core::RunFace::Gothic));
    line->SetHeight(kLinePixelHeight);
    line->SetBold(true);
    const int lineLeft = kMargin + kLineIndent + kPictureSize + 10;
    line->setGeometry(lineLeft, top, width() - kMargin - lineLeft, kPictureSize);
    SetElidedText(line, Ui(reading_.personName + reading_.Caption(k)));
    // A line without a caption has no item to open: it stays, stepped back, and is no
    // link (no hover colour, no hand, no command).
    const bool hasItem = !reading_.Caption(k).empty();
    line->SetTextColour(hasItem ? kItemLineColour : kEmptyLineColour);
    line->SetHoverColour(kItemLineHoverColour);
    if (hasItem) {
      line->SetCommand(kItemLineBaseId + k);
      line->setCursor(LinkCursor());
    }
    pictures_[static_cast<std::size_t>(k - 1)] = picture;
    lines_[static_cast<std::size_t>(k - 1)] = line;
  }

  const QSize button = close_->size();
  const int buttonTop = height() - kMargin - button.height();
  close_->move(width() - kMargin - button.width(), buttonTop);
  preview_->move(close_->x() - kButtonGap - button.width(), buttonTop);
  // A word for the newcomer beside the buttons.
  auto* prompt = new QLabel(Ui(detail_texts::kContentsPrompt), this);
  QFont promptFont(RunFaceName(core::RunFace::Gothic));
  promptFont.setPixelSize(kPromptPixelHeight);
  prompt->setFont(promptFont);
  QPalette promptColours = prompt->palette();
  promptColours.setColor(QPalette::WindowText, kPromptColour);
  prompt->setPalette(promptColours);
  prompt->setGeometry(kMargin + 4, buttonTop, preview_->x() - kMargin - 12, button.height());
  connect(preview_, &QPushButton::clicked, this, &CContentsDialog::OpenPreview);
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);
}

CLinkLabel* CContentsDialog::ItemLine(int k) const {
  return k >= 1 && k <= core::kDetailItemsListed ? lines_[static_cast<std::size_t>(k - 1)] : nullptr;
}

QLabel* CContentsDialog::ItemPicture(int k) const {
  return k >= 1 && k <= core::kDetailItemsListed ? pictures_[static_cast<std::size_t>(k - 1)] : nullptr;
}

void CContentsDialog::OpenItem(int k) {
  if (!runItemDialog_) return;
  if (runItemDialog_(reading_, k, this) == CItemDialog::kCloseAll) accept();
}

void CContentsDialog::OpenPreview() {
  if (runPreview_) runPreview_(core::ComposeDetailRuns(reading_), this);
}

bool CContentsDialog::event(QEvent* event) {
  if (event->type() == CommandEvent::EventType()) {
    const auto* command = static_cast<CommandEvent*>(event);
    const int k = command->Id() - kItemLineBaseId;
    if (command->Code() == kLinkClickCode && k >= 1 && k <= core::kDetailItemsListed) OpenItem(k);
    if (command->Id() == kPreviewCommand) OpenPreview();
    return true;
  }
  return QDialog::event(event);
}

void CContentsDialog::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient back(0, 0, 0, height());
  back.setColorAt(0.0, kBackTop);
  back.setColorAt(1.0, kBackBottom);
  painter.fillRect(rect(), back);
  // White panels behind the explanation and behind the item lines.
  auto panel = [&painter](const QRect& area) {
    QPainterPath path;
    path.addRoundedRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    painter.fillPath(path, QColor(255, 255, 255, 230));
    painter.setPen(QPen(kPanelBorder, 1));
    painter.drawPath(path);
  };
  if (!explanationArea_->isHidden()) panel(explanationArea_->geometry());
  const QRect firstLine = lines_.front()->geometry();
  const QRect lastLine = lines_.back()->geometry();
  panel(QRect(kMargin, firstLine.top() - 8, width() - 2 * kMargin, lastLine.bottom() - firstLine.top() + 17));
  QDialog::paintEvent(event);
}

int RunItemDialog(const core::DetailReading& reading, int item, QWidget* parent) {
  CItemDialog dialog(reading, item, parent);
  return dialog.exec();
}

void RunPrintPreview(const std::vector<core::DetailRun>& runs, QWidget* parent) {
  CPrintPreviewDialog dialog(runs, parent);
  dialog.exec();
}

}  // namespace nuvaro::ui
