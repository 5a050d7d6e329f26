// Where everything of the percentage chart goes, as plain numbers: the label column,
// row size and scale computed after filling, the axis positions and their labels, the
// rows, the bars with their minimum width, the grid lines and the shading bands of a
// bar. Rectangles hold left and top inside, right and bottom outside.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ui/chart/chart_state.h"

namespace nuvaro::ui::chart {

struct ChartRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  bool operator==(const ChartRect&) const = default;
};

// Width of the image strip whose pictures only set a minimum row size.
inline constexpr int kChartImageWidth = 22;
// A bar is never drawn narrower (or, standing, lower) than this.
inline constexpr int kMinimumBarExtent = 2;

// The visible label with the most bytes, the earliest of equally long ones; nothing
// without visible items.
std::optional<std::size_t> LongestVisibleLabel(const ChartState& state);

// Label column width = the longest label's pixel width + 4; row size = the larger of
// 24, the text height and the image width - 2; scale = the room left for the bars
// divided by the range (horizontal: client width - label column - 24; vertical: client
// height - row size - 20). A range that is not positive gives scale 0.
void ComputeLayout(ChartState& state, int longestLabelWidth, int textHeight, int imageWidth, int clientWidth,
                   int clientHeight);

// Axis step k (0 ... divisions): its value (truncated) and its label ("%d", then "%"
// when the percent sign is on).
int AxisValue(const ChartState& state, int k);
std::string AxisLabel(const ChartState& state, int k);
std::string ValueText(const ChartState& state, int value);

// The pixel position of axis step k: x in the horizontal layout, y in the vertical one.
int AxisPosition(const ChartState& state, int k, int clientHeight);
// The box an axis label is drawn in (centred horizontally, right-aligned vertically).
ChartRect AxisLabelBox(const ChartState& state, int k, int clientHeight);

// One grid line or mark: a segment from (x0, y0) to (x1, y1), raised or plain.
struct GridLine {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  bool raised = false;
  bool operator==(const GridLine&) const = default;
};
// The grid of the current style: raised lines from 4 pixels before the first row to the
// far edge, or (style 0) a plain line at step 0 across the whole client and 3-pixel
// marks just before the first row for the other steps.
std::vector<GridLine> GridLines(const ChartState& state, int clientWidth, int clientHeight);

// Visible item i: the box its label is drawn in (horizontal: the label column's row i;
// vertical: the cell under its bar) and its bar (at least 2 pixels wide or high).
ChartRect LabelBox(const ChartState& state, int i, int clientHeight);
ChartRect BarRect(const ChartState& state, int i, int value, int clientHeight);

// The band shading: the label column and the axis band (horizontal), the axis label
// column and the label band (vertical).
std::vector<ChartRect> BandRects(const ChartState& state, int clientWidth, int clientHeight);

// The vertical shade of a bar: bands of a 128th of its height (at least one pixel) from
// white at the top to the bar's colour at the bottom.
struct ShadeBand {
  int top = 0;
  int bottom = 0;
  ColourRef colour = 0;
};
std::vector<ShadeBand> ShadeBands(const ChartRect& bar, ColourRef colour);

// The visible item whose bar contains the point (vertical layout tips), if any.
std::optional<int> BarAt(const ChartState& state, int x, int y, int clientHeight);

// The tip of a bar: its label, then "  %d" with its value and, with the percent sign
// on, "%" (the value only when values are shown in tips). CP932.
std::string TipText(const ChartState& state, int i);

}  // namespace nuvaro::ui::chart
