#include "ui/chart/chart_painter.h"

#include <QPainter>

#include <algorithm>

#include "chart/chart_texts.h"
#include "platform/qt/text_conversion.h"
#include "ui/chart/chart_layout.h"

namespace nuvaro::ui::chart {
namespace {

const QColor kShadowNear{170, 170, 170};
const QColor kShadowFar{190, 190, 190};
// The grey line beside a raised grid line.
const QColor kRaisedShade{170, 170, 170};
// The note in place of a bar that cannot be computed.
const QColor kNoteColour{96, 96, 96};
constexpr int kOutlineWidth = 2;
constexpr int kLabelInset = 2;
constexpr int kNoteOffset = 8;

QRect ToQRect(const ChartRect& rect) { return QRect(rect.left, rect.top, rect.Width(), rect.Height()); }

// A raised line: white in the middle, the grid colour on each side and a grey line
// after the second of those.
void DrawGridLine(QPainter& painter, const GridLine& line, const QColor& grid) {
  const bool standing = line.x0 == line.x1;
  const auto strip = [&](int offset, const QColor& colour) {
    if (standing) {
      painter.fillRect(QRect(line.x0 + offset, line.y0, 1, line.y1 - line.y0), colour);
    } else {
      painter.fillRect(QRect(line.x0, line.y0 + offset, line.x1 - line.x0, 1), colour);
    }
  };
  if (!line.raised) {
    strip(0, grid);
    return;
  }
  strip(-1, grid);
  strip(0, Qt::white);
  strip(1, grid);
  strip(2, kRaisedShade);
}

void DrawGrid(QPainter& painter, const ChartState& state, QSize client) {
  const QColor grid = ToQColor(state.gridColour);
  for (const GridLine& line : GridLines(state, client.width(), client.height())) DrawGridLine(painter, line, grid);
}

void DrawBar(QPainter& painter, const ChartRect& bar, ColourRef colourRef, bool dropShadow) {
  const QColor colour = ToQColor(colourRef);
  if (dropShadow) {
    // Along the bottom and the right side, offset so the bar seems to float.
    painter.fillRect(QRect(bar.left + 2, bar.bottom, bar.Width(), 1), kShadowNear);
    painter.fillRect(QRect(bar.left + 3, bar.bottom + 1, bar.Width(), 1), kShadowFar);
    painter.fillRect(QRect(bar.right, bar.top + 2, 1, bar.Height() - 1), kShadowNear);
    painter.fillRect(QRect(bar.right + 1, bar.top + 3, 1, bar.Height() - 1), kShadowFar);
  }
  for (const ShadeBand& band : ShadeBands(bar, colourRef)) {
    painter.fillRect(QRect(bar.left, band.top, bar.Width(), band.bottom - band.top), ToQColor(band.colour));
  }
  // The outline lies inside the bar, so a 2-pixel bar is all outline.
  const QRect box = ToQRect(bar);
  const int w = std::min(kOutlineWidth, box.width());
  const int h = std::min(kOutlineWidth, box.height());
  painter.fillRect(QRect(box.left(), box.top(), box.width(), h), colour);
  painter.fillRect(QRect(box.left(), box.bottom() - h + 1, box.width(), h), colour);
  painter.fillRect(QRect(box.left(), box.top(), w, box.height()), colour);
  painter.fillRect(QRect(box.right() - w + 1, box.top(), w, box.height()), colour);
}

}  // namespace

QFont ChartFont(const ChartState& state) {
  QFont font(QString::fromUtf8(state.fontName.c_str()));
  font.setPixelSize(state.fontPixelHeight);
  font.setWeight(QFont::Normal);
  return font;
}

void PaintChart(QPainter& painter, const ChartState& state, QSize client, const QFont& font) {
  const int width = client.width(), height = client.height();
  painter.fillRect(QRect(QPoint(0, 0), client), ToQColor(state.backgroundColour));
  if (state.bandShading) {
    for (const ChartRect& band : BandRects(state, width, height)) painter.fillRect(ToQRect(band), ToQColor(state.bandColour));
  }
  if (state.visibleItems.empty()) return;

  const bool horizontal = state.orientation != kVertical;
  painter.setFont(font);
  painter.setPen(ToQColor(state.labelTextColour));
  for (int k = 0; k <= state.divisions; ++k) {
    const int align = horizontal ? Qt::AlignCenter : (Qt::AlignRight | Qt::AlignVCenter);
    painter.drawText(ToQRect(AxisLabelBox(state, k, height)), align,
                     QString::fromStdString(AxisLabel(state, k)));
  }
  if (state.gridStyle == kGridRaisedUnder) DrawGrid(painter, state, client);

  const QString note = platform::QStringFromCp932(chart_texts::kNotComputable);
  for (std::size_t index = 0; index < state.visibleItems.size(); ++index) {
    const int i = static_cast<int>(index);
    const ChartItem& item = state.visibleItems[index];
    const ChartRect labelBox = LabelBox(state, i, height);
    // Rows below the client area are not seen.
    if (horizontal ? labelBox.top >= height : labelBox.left >= width) break;
    painter.setPen(ToQColor(state.labelTextColour));
    if (horizontal) {
      painter.drawText(ToQRect(labelBox).adjusted(kLabelInset, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                       platform::QStringFromCp932(item.label));
    } else {
      painter.drawText(ToQRect(labelBox), Qt::AlignCenter, platform::QStringFromCp932(item.label));
    }
    if (!item.computable) {
      painter.setPen(kNoteColour);
      const ChartRect bar = BarRect(state, i, 0, height);
      if (horizontal) {
        painter.drawText(QRect(bar.left + kNoteOffset, labelBox.top, width - bar.left - kNoteOffset, labelBox.Height()),
                         Qt::AlignLeft | Qt::AlignVCenter, note);
      } else {
        // Standing layout: the note reads from the base line upwards.
        painter.save();
        painter.translate(bar.left + bar.Width() / 2, bar.bottom - kNoteOffset);
        painter.rotate(-90);
        painter.drawText(QRect(0, -bar.Width() / 2, height, bar.Width()), Qt::AlignLeft | Qt::AlignVCenter, note);
        painter.restore();
      }
      continue;
    }
    DrawBar(painter, BarRect(state, i, item.value, height), item.colour, horizontal);
  }

  if (state.gridStyle == kGridMarksOver || state.gridStyle == kGridRaisedOver) DrawGrid(painter, state, client);
}

}  // namespace nuvaro::ui::chart
