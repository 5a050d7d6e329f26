// The state of the percentage chart (CChartWnd) without its window: axis range,
// options, colours, layout results, items and the scrolling position, with the plain
// operations on them. The window only paints what these give.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/controls/colour_value.h"

namespace nuvaro::ui::chart {

inline constexpr int kHorizontal = 1;
inline constexpr int kVertical = 0;

// Grid styles: plain marks over the bars, raised lines over the bars, raised lines
// drawn before the bars.
inline constexpr int kGridMarksOver = 0;
inline constexpr int kGridRaisedOver = 1;
inline constexpr int kGridRaisedUnder = 2;

// The gothic face of the chart and its dialog (UTF-8; mapped to an installed font).
inline constexpr char kChartFontName[] = "ＭＳ ゴシック";

// How far one press of "▲" or "▼" moves the first visible item.
inline constexpr int kScrollStep = 5;

// One bar: the person's name (CP932), the percentage, the bar colour and a spare value.
// A person whose pair cannot be computed (a name the engine cannot read) keeps a row
// with a note instead of a bar.
struct ChartItem {
  std::string label;
  std::int32_t value = 0;
  ColourRef colour = 0;
  std::int32_t spare = -1;
  bool computable = true;
};

struct ChartState {
  float minimum = 0.0f;
  float maximum = 24.0f;
  int divisions = 4;
  bool showPercentSign = true;
  bool showTips = false;
  bool showValueInTips = true;
  int orientation = kHorizontal;
  int gridStyle = kGridRaisedUnder;
  int rowSize = 24;               // bar thickness plus spacing
  int labelColumnWidth = 60;      // names (horizontal layout)
  int axisBandHeight = 24;        // axis labels above the first row (horizontal layout)
  int axisLabelColumnWidth = 40;  // axis labels left of the bars (vertical layout)
  double scale = 0.0;             // pixels per unit of value
  bool bandShading = false;
  ColourRef backgroundColour = MakeColourRef(255, 255, 212);
  ColourRef bandColour = MakeColourRef(69, 164, 150);
  ColourRef labelTextColour = MakeColourRef(255, 255, 255);
  ColourRef gridColour = MakeColourRef(0, 128, 0);
  std::string fontName = kChartFontName;
  int fontPixelHeight = 12;
  int firstVisible = 0;
  std::vector<ChartItem> items;
  std::vector<ChartItem> visibleItems;
};

// Accepts the range only when maximum > minimum (then all three are stored, answer 1);
// otherwise stores the two bounds, keeps the divisions and answers 0.
int SetRange(ChartState& state, float minimum, float maximum, int divisions);

// Appends an item; answers 1.
int AddItem(ChartState& state, ChartItem item);

// The visible items: every item from the first visible one to the end.
void RebuildVisibleItems(ChartState& state);

// "▼" and "▲": the first visible item moves 5 down (at most the last item's index) or
// 5 up (at least 0) and the visible items are rebuilt. Without any item nothing moves
// and the answer is false (the window tells the user that nobody is there).
bool ScrollDown(ChartState& state);
bool ScrollUp(ChartState& state);

// The bar colour of a person by sex and age band: six shades each, in steps of ten
// years up to 50 and one above.
ColourRef BarColour(bool isMale, int age);

}  // namespace nuvaro::ui::chart
