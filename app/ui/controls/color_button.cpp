#include "ui/controls/color_button.h"

#include <QColorDialog>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace nuvaro::ui {
namespace {

ColourDialog& ProcessColourDialog() {
  static ColourDialog dialog = [](QWidget* parent, const QColor& initial) -> std::optional<QColor> {
    QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
  };
  return dialog;
}

// The drop-down mark: a small downward triangle.
constexpr int kArrowWidth = 4;
constexpr int kArrowRightGap = 4;
// Space between the etched line and the triangle.
constexpr int kEtchGap = 4;
// Space between the content rectangle and the colour sample.
constexpr int kSampleGap = 2;

}  // namespace

CColorButton::CColorButton(QWidget* parent) : CColorButton(QString(), parent) {}

CColorButton::CColorButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent),
      defaultText_(QString::fromUtf8("キャンセル")),
      customText_(QString::fromUtf8("その他の色")) {
  connect(this, &QPushButton::clicked, this, &CColorButton::OpenPalette);
}

ColourDialog CColorButton::SetDefaultColourDialog(ColourDialog dialog) {
  ColourDialog previous = std::move(ProcessColourDialog());
  ProcessColourDialog() = std::move(dialog);
  return previous;
}

void CColorButton::SetColour(ColourRef colour) {
  colour_ = colour;
  repaint();
}

void CColorButton::SetDefaultColour(ColourRef colour) {
  defaultColour_ = colour;
  update();
}

void CColorButton::SetDefaultText(const QString& text) { defaultText_ = text; }

void CColorButton::SetCustomText(const QString& text) { customText_ = text; }

void CColorButton::OpenPalette() {
  popupOpen_ = true;
  update();
  ColourDialog dialog = dialog_ ? dialog_ : ProcessColourDialog();
  palette_ = new CColourPopup(this, colour_, defaultText_, customText_, std::move(dialog));
  connect(palette_, &CColourPopup::selectionChanged, this, &CColorButton::OnPaletteSelectionChanged);
  connect(palette_, &CColourPopup::selectionEnded, this, &CColorButton::OnPaletteSelectionEnded);
  connect(palette_, &CColourPopup::selectionCancelled, this, &CColorButton::OnPaletteSelectionCancelled);
  QRect buttonGlobal(mapToGlobal(QPoint(0, 0)), size());
  QScreen* shown = screen();
  QRect screenArea = shown != nullptr ? shown->availableGeometry() : QRect(QPoint(0, 0), QSize(1 << 20, 1 << 20));
  palette_->Popup(buttonGlobal, screenArea);
  emit droppedDown(colour_, controlId_);
}

void CColorButton::OnPaletteSelectionChanged(quint32 colour) {
  if (trackSelection_) SetColour(colour);
  emit selectionChanged(colour, controlId_);
}

void CColorButton::OnPaletteSelectionEnded(quint32 colour) {
  popupOpen_ = false;
  ColourRef before = colour_;
  SetColour(colour);
  QPointer<CColorButton> self(this);
  emit closedUp(colour, controlId_);
  if (!self) return;
  emit selectionEnded(colour, controlId_);
  if (!self) return;
  if (colour != before) emit selectionChanged(colour, controlId_);
}

void CColorButton::OnPaletteSelectionCancelled(quint32 colour) {
  popupOpen_ = false;
  SetColour(colour);
  QPointer<CColorButton> self(this);
  emit closedUp(colour, controlId_);
  if (!self) return;
  emit selectionCancelled(colour, controlId_);
}

void CColorButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  option.icon = QIcon();
  const bool pushed = isDown() || popupOpen_;
  const bool focused = hasFocus() || popupOpen_;
  if (pushed) {
    option.state |= QStyle::State_Sunken;
    option.state &= ~QStyle::State_Raised;
  }
  if (focused) option.state |= QStyle::State_HasFocus;
  painter.drawControl(QStyle::CE_PushButtonBevel, option);

  const int edge = CColourPopup::EdgeWidth();
  QRect content = rect().adjusted(edge, edge, -edge, -edge);
  if (pushed) content.translate(1, 1);

  // The triangle near the right edge, with an etched line left of it.
  const QColor markColour = isEnabled() ? QColor(Qt::black) : palette().color(QPalette::Disabled, QPalette::ButtonText);
  const int arrowLeft = content.right() - kArrowRightGap - kArrowWidth;
  const int arrowTop = content.top() + (content.height() - kArrowWidth / 2) / 2;
  const QPoint triangle[3] = {QPoint(arrowLeft, arrowTop), QPoint(arrowLeft + kArrowWidth, arrowTop),
                              QPoint(arrowLeft + kArrowWidth / 2, arrowTop + kArrowWidth / 2)};
  painter.setPen(markColour);
  painter.setBrush(markColour);
  painter.drawPolygon(triangle, 3);
  painter.setBrush(Qt::NoBrush);
  const int etchX = arrowLeft - kEtchGap;
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawLine(etchX, content.top() + 2, etchX, content.bottom() - 2);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawLine(etchX + 1, content.top() + 2, etchX + 1, content.bottom() - 2);

  QRect sample(content.left() + kSampleGap, content.top() + kSampleGap, etchX - kSampleGap - content.left() - kSampleGap,
               content.height() - 2 * kSampleGap);
  if (isEnabled() && sample.width() > 2 && sample.height() > 2) {
    painter.fillRect(sample, Qt::black);
    painter.fillRect(sample.adjusted(1, 1, -1, -1), ToQColor(ShownColour()));
  }
  if (focused) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = content.adjusted(0, 0, 0, 0);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

}  // namespace nuvaro::ui
