#include "ui/chart/chart_layout.h"

#include <algorithm>
#include <cmath>

namespace nuvaro::ui::chart {
namespace {

// Room kept beside the bars: right of the last axis step (horizontal), above the top
// step (vertical).
constexpr int kHorizontalSpare = 24;
constexpr int kVerticalSpare = 20;
// The bars start one pixel after the axis origin and keep 4 pixels off the row edges.
constexpr int kAxisOrigin = 4;
constexpr int kBarInset = 4;
// Grid lines start this far before the first row; marks are this long.
constexpr int kGridLead = 4;
constexpr int kMarkLength = 3;

bool Horizontal(const ChartState& state) { return state.orientation != kVertical; }
double Range(const ChartState& state) { return static_cast<double>(state.maximum) - state.minimum; }

// Pixels from the axis origin for a value.
int Extent(const ChartState& state, double value) {
  return static_cast<int>((value - state.minimum) * state.scale);
}

// Vertical layout: the bars stand on this line, above the label band.
int BaseLine(const ChartState& state, int clientHeight) { return clientHeight - state.rowSize; }
// Vertical layout: each person gets a column wide enough for the name.
int SlotWidth(const ChartState& state) { return std::max(state.rowSize, state.labelColumnWidth); }

ChartRect Slot(const ChartState& state, int i) {
  const int left = state.axisLabelColumnWidth + i * SlotWidth(state);
  return {left, 0, left + SlotWidth(state), 0};
}

}  // namespace

std::optional<std::size_t> LongestVisibleLabel(const ChartState& state) {
  std::optional<std::size_t> longest;
  for (std::size_t i = 0; i < state.visibleItems.size(); ++i) {
    if (!longest || state.visibleItems[i].label.size() > state.visibleItems[*longest].label.size()) longest = i;
  }
  return longest;
}

void ComputeLayout(ChartState& state, int longestLabelWidth, int textHeight, int imageWidth, int clientWidth,
                   int clientHeight) {
  state.labelColumnWidth = longestLabelWidth + 4;
  state.rowSize = std::max({24, textHeight, imageWidth - 2});
  const double range = Range(state);
  if (!(range > 0)) {
    state.scale = 0;
    return;
  }
  const int room = Horizontal(state) ? clientWidth - state.labelColumnWidth - kHorizontalSpare
                                     : clientHeight - state.rowSize - kVerticalSpare;
  state.scale = std::max(0, room) / range;
}

int AxisValue(const ChartState& state, int k) {
  if (state.divisions == 0) return static_cast<int>(state.minimum);
  return static_cast<int>(state.minimum + Range(state) * k / state.divisions);
}

std::string ValueText(const ChartState& state, int value) {
  std::string text = std::to_string(value);
  if (state.showPercentSign) text += '%';
  return text;
}

std::string AxisLabel(const ChartState& state, int k) { return ValueText(state, AxisValue(state, k)); }

int AxisPosition(const ChartState& state, int k, int clientHeight) {
  const double along = state.divisions == 0 ? 0.0 : Range(state) * state.scale * k / state.divisions;
  if (Horizontal(state)) return state.labelColumnWidth + kAxisOrigin + static_cast<int>(along);
  return BaseLine(state, clientHeight) - static_cast<int>(along);
}

ChartRect AxisLabelBox(const ChartState& state, int k, int clientHeight) {
  const int at = AxisPosition(state, k, clientHeight);
  if (Horizontal(state)) return {at - 46, 2, at + 50, 30};
  return {0, at - 10, state.axisLabelColumnWidth - 4, at + 10};
}

std::vector<GridLine> GridLines(const ChartState& state, int clientWidth, int clientHeight) {
  std::vector<GridLine> lines;
  const bool horizontal = Horizontal(state);
  // Where the rows (horizontal) or columns (vertical) begin, and the far edge.
  const int firstRow = horizontal ? state.axisBandHeight : state.axisLabelColumnWidth;
  const int farEdge = horizontal ? clientHeight : clientWidth;
  for (int k = 0; k <= state.divisions; ++k) {
    const int at = AxisPosition(state, k, clientHeight);
    int from = firstRow - kGridLead, to = farEdge;
    bool raised = true;
    if (state.gridStyle == kGridMarksOver) {
      raised = false;
      if (k == 0) {
        from = 0;
      } else {
        from = firstRow - kMarkLength;
        to = firstRow;
      }
    }
    lines.push_back(horizontal ? GridLine{at, from, at, to, raised} : GridLine{from, at, to, at, raised});
  }
  return lines;
}

ChartRect LabelBox(const ChartState& state, int i, int clientHeight) {
  if (Horizontal(state)) {
    const int top = state.axisBandHeight + i * state.rowSize;
    return {0, top, state.labelColumnWidth, top + state.rowSize};
  }
  ChartRect slot = Slot(state, i);
  return {slot.left, BaseLine(state, clientHeight), slot.right, clientHeight};
}

ChartRect BarRect(const ChartState& state, int i, int value, int clientHeight) {
  const int extent = Extent(state, value);
  if (Horizontal(state)) {
    const int top = state.axisBandHeight + i * state.rowSize;
    ChartRect bar{state.labelColumnWidth + kAxisOrigin + 1, top + kBarInset,
                  state.labelColumnWidth + kAxisOrigin + extent, top + state.rowSize - kBarInset};
    if (bar.Width() < kMinimumBarExtent) bar.right = bar.left + kMinimumBarExtent;
    return bar;
  }
  const ChartRect slot = Slot(state, i);
  const int base = BaseLine(state, clientHeight);
  ChartRect bar{slot.left + kBarInset, base - extent, slot.right - kBarInset, base};
  if (bar.Height() < kMinimumBarExtent) bar.top = bar.bottom - kMinimumBarExtent;
  return bar;
}

std::vector<ChartRect> BandRects(const ChartState& state, int clientWidth, int clientHeight) {
  if (Horizontal(state)) {
    return {{0, 0, state.labelColumnWidth, clientHeight}, {0, 0, clientWidth, state.axisBandHeight}};
  }
  return {{0, 0, state.axisLabelColumnWidth, clientHeight}, {0, BaseLine(state, clientHeight), clientWidth, clientHeight}};
}

std::vector<ShadeBand> ShadeBands(const ChartRect& bar, ColourRef colour) {
  std::vector<ShadeBand> bands;
  const int height = bar.Height();
  if (height <= 0) return bands;
  const int step = std::max(1, height / 128);
  const int count = (height + step - 1) / step;
  const auto channel = [](ColourRef c, int shift) { return static_cast<int>((c >> shift) & 0xFF); };
  for (int j = 0; j < count; ++j) {
    const double t = count > 1 ? static_cast<double>(j) / (count - 1) : 1.0;
    const auto mix = [&](int shift) {
      return static_cast<int>(std::lround(255 + (channel(colour, shift) - 255) * t));
    };
    const int top = bar.top + j * step;
    bands.push_back({top, std::min(top + step, bar.bottom), MakeColourRef(mix(0), mix(8), mix(16))});
  }
  return bands;
}

std::optional<int> BarAt(const ChartState& state, int x, int y, int clientHeight) {
  for (std::size_t i = 0; i < state.visibleItems.size(); ++i) {
    const ChartItem& item = state.visibleItems[i];
    if (item.computable && BarRect(state, static_cast<int>(i), item.value, clientHeight).Contains(x, y)) {
      return static_cast<int>(i);
    }
  }
  return std::nullopt;
}

std::string TipText(const ChartState& state, int i) {
  const ChartItem& item = state.visibleItems.at(static_cast<std::size_t>(i));
  std::string text = item.label;
  if (state.showValueInTips) text += "  " + ValueText(state, item.value);
  return text;
}

}  // namespace nuvaro::ui::chart
