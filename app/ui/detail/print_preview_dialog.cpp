#include "ui/detail/print_preview_dialog.h"

#include <QLinearGradient>
#include <QPainter>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>

#include "detail/detail_ui_texts.h"
#include "platform/qt/text_conversion.h"
#include "ui/controls/dialog_units.h"
#include "ui/controls/hover_button.h"
#include "ui/detail/detail_document.h"
#include "ui/detail/detail_style.h"

namespace nuvaro::ui {
namespace {

constexpr int kWidthUnits = 453;
constexpr int kHeightUnits = 381;
constexpr int kMargin = 16;
constexpr int kButtonGap = 10;
constexpr int kTextPadding = 14;

QString Ui(std::string_view cp932) { return platform::QStringFromCp932(cp932); }

}  // namespace

CPrintPreviewDialog::CPrintPreviewDialog(std::vector<core::DetailRun> runs, QWidget* parent)
    : QDialog(parent),
      runs_(std::move(runs)),
      text_(new QTextEdit(this)),
      print_(MakeDetailButton(Ui(detail_texts::kPrintButton), this)),
      close_(MakeDetailButton(Ui(detail_texts::kCloseButton), this)),
      jumpTimer_(new QTimer(this)) {
  setObjectName("CPrintPreviewDialog");
  setWindowTitle(Ui(detail_texts::kPreviewTitle));
  setFixedSize(DialogSizeToPixels(kWidthUnits, kHeightUnits));
  QPalette back = palette();
  back.setColor(QPalette::Window, QColor(236, 242, 247));
  setPalette(back);
  setAutoFillBackground(true);

  // The text area takes the middle, the buttons the bottom-right corner.
  const QSize button = print_->size();
  const int buttonTop = height() - kMargin - button.height();
  close_->move(width() - kMargin - button.width(), buttonTop);
  print_->move(close_->x() - kButtonGap - button.width(), buttonTop);
  text_->setGeometry(kMargin, kMargin, width() - 2 * kMargin, buttonTop - 2 * kMargin + 4);

  text_->setReadOnly(true);
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  text_->setStyleSheet(QStringLiteral("QTextEdit { background: rgb(%1, %2, %3); border: 1px solid rgb(150, 170, 190);"
                                      " border-radius: 4px; }")
                           .arg(kPreviewBackground.red())
                           .arg(kPreviewBackground.green())
                           .arg(kPreviewBackground.blue()));
  text_->document()->setDocumentMargin(kTextPadding);
  FillDetailDocument(*text_->document(), runs_);
  // The runs were appended at the end; the view stands there until the timer fires.
  text_->moveCursor(QTextCursor::End);

  connect(print_, &QPushButton::clicked, this, [this] { Print(); });
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);
  jumpTimer_->setSingleShot(true);
  jumpTimer_->setInterval(kPreviewJumpDelayMs);
  connect(jumpTimer_, &QTimer::timeout, this, &CPrintPreviewDialog::JumpToStart);
  jumpTimer_->start();
}

void CPrintPreviewDialog::JumpToStart() {
  text_->moveCursor(QTextCursor::Start);
  text_->ensureCursorVisible();
}

PrintOutcome CPrintPreviewDialog::Print() {
  if (runPrintDialog_ && !runPrintDialog_(printer_, this)) return PrintOutcome::Cancelled;
  return PrintDetailRuns(printer_, runs_, this);
}

}  // namespace nuvaro::ui
