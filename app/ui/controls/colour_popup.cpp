#include "ui/controls/colour_popup.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QToolTip>
#include <qdrawutil.h>

#include <algorithm>

#include "ui/controls/colour_palette.h"

namespace nuvaro::ui {
namespace {

std::optional<QSize> MeasureText(const QFontMetrics& metrics, const QString& text) {
  if (text.isEmpty()) return std::nullopt;
  return QSize(metrics.horizontalAdvance(text), metrics.height());
}

bool IsColourCell(int cell) { return cell >= 0 && cell < kPaletteColourCount; }

// Raised and sunken edges are drawn two pixels wide; the palette's margin is one edge.
constexpr int kEdgeWidth = 2;

// Offset of the opening-colour sample in the top row.
constexpr int kSampleLeft = 10;
constexpr int kSampleTop = 8;
constexpr int kSampleSize = 8;

}  // namespace

int CColourPopup::EdgeWidth() { return kEdgeWidth; }

CColourPopup::CColourPopup(QWidget* owner, ColourRef openingColour, const QString& topText,
                           const QString& bottomText, ColourDialog dialog)
    : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint),
      openingColour_(openingColour),
      resultColour_(openingColour),
      topText_(topText),
      bottomText_(bottomText),
      dialog_(std::move(dialog)),
      navigator_(!topText.isEmpty(), !bottomText.isEmpty()) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setFont(QApplication::font("QMenu"));
  QFontMetrics metrics(font());
  layout_ = ComputePaletteLayout(kEdgeWidth, MeasureText(metrics, topText_), MeasureText(metrics, bottomText_));
  setFixedSize(layout_.windowSize);
  currentCell_ = InitialPaletteCell(openingColour_, layout_.HasTopRow(), layout_.HasBottomRow());
  hotCell_ = currentCell_;
  navigator_.NoteCell(hotCell_);
}

void CColourPopup::Popup(const QRect& buttonGlobal, const QRect& screen) {
  move(PlacePalette(buttonGlobal, layout_.windowSize, screen));
  show();
  setFocus(Qt::PopupFocusReason);
}

void CColourPopup::SetHotCell(int cell) {
  if (cell == hotCell_ || cell == kPaletteNoCell) return;
  int previous = hotCell_;
  hotCell_ = cell;
  navigator_.NoteCell(cell);
  update(layout_.CellRect(previous));
  update(layout_.CellRect(cell));
  ColourRef colour;
  if (cell == kPaletteTopRow) {
    colour = kNoColour;
    resultColour_ = colour;
  } else if (cell == kPaletteBottomRow) {
    colour = openingColour_;
  } else {
    colour = ColourPalette[static_cast<std::size_t>(cell)].colour;
    resultColour_ = colour;
  }
  emit selectionChanged(colour);
}

void CColourPopup::End(bool withChoice) {
  if (ended_) return;
  ended_ = true;
  hide();  // gives the mouse back before any dialog
  if (withChoice && hotCell_ == kPaletteBottomRow) {
    std::optional<QColor> chosen;
    if (dialog_) chosen = dialog_(parentWidget(), ToQColor(openingColour_));
    if (chosen && chosen->isValid()) {
      resultColour_ = FromQColor(*chosen);
    } else {
      withChoice = false;
    }
  }
  if (!withChoice) resultColour_ = openingColour_;
  QPointer<CColourPopup> self(this);
  if (withChoice) {
    emit selectionEnded(resultColour_);
  } else {
    emit selectionCancelled(resultColour_);
  }
  if (self) deleteLater();
}

void CColourPopup::mouseMoveEvent(QMouseEvent* event) {
  SetHotCell(layout_.CellAt(event->position().toPoint()));
}

void CColourPopup::mousePressEvent(QMouseEvent* event) {
  // The palette holds the mouse: a press anywhere, outside included, waits for the
  // release, which decides.
  SetHotCell(layout_.CellAt(event->position().toPoint()));
  event->accept();
}

void CColourPopup::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  QPoint point = event->position().toPoint();
  if (!rect().contains(point)) {
    End(false);
  } else if (layout_.CellAt(point) == kPaletteTopRow) {
    End(false);
  } else {
    End(true);
  }
}

void CColourPopup::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
      SetHotCell(navigator_.Move(hotCell_, PaletteKey::Left));
      break;
    case Qt::Key_Right:
      SetHotCell(navigator_.Move(hotCell_, PaletteKey::Right));
      break;
    case Qt::Key_Up:
      SetHotCell(navigator_.Move(hotCell_, PaletteKey::Up));
      break;
    case Qt::Key_Down:
      SetHotCell(navigator_.Move(hotCell_, PaletteKey::Down));
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      End(true);
      break;
    case Qt::Key_Escape:
      End(false);
      break;
    default:
      event->ignore();
      return;
  }
  event->accept();
}

void CColourPopup::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  // Closed from outside (another window took over): the same as Escape.
  if (!ended_) End(false);
}

bool CColourPopup::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    int cell = layout_.CellAt(help->pos());
    if (IsColourCell(cell)) {
      QToolTip::showText(help->globalPos(), QString::fromUtf8(ColourPalette[static_cast<std::size_t>(cell)].name),
                         this, layout_.CellRect(cell));
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  return QWidget::event(event);
}

void CColourPopup::PaintEdge(QPainter& painter, const QRect& rect, int cell) const {
  // The current cell looks pressed in; the hot one stands out.
  if (cell == currentCell_) {
    qDrawWinPanel(&painter, rect, palette(), true);
  } else if (cell == hotCell_) {
    qDrawWinPanel(&painter, rect, palette(), false);
  }
}

void CColourPopup::PaintColourCell(QPainter& painter, int cell) const {
  QRect rect = layout_.CellRect(cell);
  bool currentNotHot = cell == currentCell_ && cell != hotCell_;
  painter.fillRect(rect, palette().color(currentNotHot ? QPalette::Highlight : QPalette::Button));
  PaintEdge(painter, rect, cell);
  int inset = layout_.margin + 1;
  QRect swatch = rect.adjusted(inset, inset, -inset, -inset);
  painter.fillRect(swatch, palette().color(QPalette::Dark));
  painter.fillRect(swatch.adjusted(1, 1, -1, -1), ToQColor(ColourPalette[static_cast<std::size_t>(cell)].colour));
}

void CColourPopup::PaintTextRow(QPainter& painter, int row, const QString& text) const {
  QRect rect = layout_.CellRect(row);
  int edge = layout_.margin;
  painter.fillRect(rect, palette().color(QPalette::Button));
  QRect inner = rect.adjusted(edge, edge, -edge, -edge);
  if (row == currentCell_ && row != hotCell_) painter.fillRect(inner, palette().color(QPalette::Light));
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawRect(inner.adjusted(0, 0, -1, -1));
  PaintEdge(painter, rect, row);
  painter.setPen(palette().color(QPalette::ButtonText));
  painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, text);
  if (row == kPaletteTopRow) {
    QRect sample(rect.left() + kSampleLeft, rect.top() + kSampleTop, kSampleSize, kSampleSize);
    painter.fillRect(sample, palette().color(QPalette::Dark));
    painter.fillRect(sample.adjusted(1, 1, -1, -1), ToQColor(openingColour_));
  }
}

void CColourPopup::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Button));
  qDrawWinPanel(&painter, rect(), palette(), false);
  for (int cell = 0; cell < kPaletteColourCount; ++cell) PaintColourCell(painter, cell);
  if (layout_.HasTopRow()) PaintTextRow(painter, kPaletteTopRow, topText_);
  if (layout_.HasBottomRow()) {
    // Separator above the row, in the gap between the grid and the row.
    QRect row = layout_.bottomRow;
    int inset = 2 * layout_.margin;
    int y = row.top() - 2;
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(row.left() + inset, y, row.right() - inset, y);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(row.left() + inset, y + 1, row.right() - inset, y + 1);
    PaintTextRow(painter, kPaletteBottomRow, bottomText_);
  }
}

}  // namespace nuvaro::ui
