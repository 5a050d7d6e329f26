// The chart's plain computations: range refusal, scrolling, bar colours, the layout and
// the positions it gives, the grid, the bar shade and the tips.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/chart/chart_layout.h"
#include "ui/chart/chart_state.h"

using namespace nuvaro::ui;
using namespace nuvaro::ui::chart;

namespace {

ChartState WithItems(int count) {
  ChartState state;
  for (int i = 0; i < count; ++i) AddItem(state, ChartItem{"p" + std::to_string(i), i * 10, 0, -1, true});
  RebuildVisibleItems(state);
  return state;
}

// The dialog's chart: 0 ... 100 in 4 steps, a longest label of 96 pixels, 12-pixel text,
// client 513 x 291.
ChartState DialogLayout() {
  ChartState state = WithItems(3);
  SetRange(state, 0, 100, 4);
  ComputeLayout(state, 96, 12, kChartImageWidth, 513, 291);
  return state;
}

}  // namespace

TEST(ChartRange, RefusedUnlessMaximumAboveMinimumButBoundsStored) {
  struct Case {
    float minimum, maximum;
    int divisions;
    int answer;
    int divisionsAfter;
  } cases[] = {{0, 100, 5, 1, 5}, {50, 50, 8, 0, 4}, {10, 5, 3, 0, 4}, {-20, 20, 2, 1, 2}};
  for (const Case& c : cases) {
    ChartState state;
    EXPECT_EQ(SetRange(state, c.minimum, c.maximum, c.divisions), c.answer) << c.minimum << ".." << c.maximum;
    EXPECT_EQ(state.minimum, c.minimum);
    EXPECT_EQ(state.maximum, c.maximum);
    EXPECT_EQ(state.divisions, c.divisionsAfter);
  }
}

TEST(ChartScroll, TwelvePersonsMoveByFiveClampedToTheLastIndex) {
  ChartState state = WithItems(12);
  struct Step {
    bool down;
    int first;
  } steps[] = {{true, 5}, {true, 10}, {true, 11}, {false, 6}, {false, 1}, {false, 0}};
  for (const Step& step : steps) {
    ASSERT_TRUE(step.down ? ScrollDown(state) : ScrollUp(state));
    EXPECT_EQ(state.firstVisible, step.first);
    ASSERT_EQ(state.visibleItems.size(), 12u - static_cast<unsigned>(step.first));
    EXPECT_EQ(state.visibleItems.front().label, "p" + std::to_string(step.first));
  }
}

TEST(ChartScroll, AnEmptyChartDoesNotMove) {
  ChartState state;
  EXPECT_FALSE(ScrollDown(state));
  EXPECT_FALSE(ScrollUp(state));
  EXPECT_EQ(state.firstVisible, 0);
  EXPECT_TRUE(state.visibleItems.empty());
}

TEST(ChartColours, BySexAndAgeBand) {
  struct Case {
    bool male;
    int age;
    ColourRef colour;
  } cases[] = {
      {true, 10, MakeColourRef(102, 0, 255)},      {true, 11, MakeColourRef(102, 51, 255)},
      {true, 30, MakeColourRef(102, 102, 255)},    {true, 51, MakeColourRef(102, 255, 255)},
      {false, 0, MakeColourRef(255, 102, 0)},      {false, 35, MakeColourRef(255, 102, 153)},
      {false, 50, MakeColourRef(255, 102, 204)},   {false, 100, MakeColourRef(255, 102, 255)},
  };
  for (const Case& c : cases) EXPECT_EQ(BarColour(c.male, c.age), c.colour) << c.male << " " << c.age;
}

TEST(ChartLayout, LabelColumnRowSizeAndScale) {
  const ChartState state = DialogLayout();
  EXPECT_EQ(state.labelColumnWidth, 100);
  EXPECT_EQ(state.rowSize, 24);
  EXPECT_DOUBLE_EQ(state.scale, (513 - 100 - 24) / 100.0);

  struct RowCase {
    int textHeight, imageWidth, rowSize;
  } rows[] = {{12, 22, 24}, {30, 22, 30}, {12, 40, 38}};
  for (const RowCase& c : rows) {
    ChartState other = WithItems(1);
    ComputeLayout(other, 10, c.textHeight, c.imageWidth, 300, 200);
    EXPECT_EQ(other.rowSize, c.rowSize);
  }
  ChartState standing = WithItems(1);
  SetRange(standing, 0, 100, 4);
  standing.orientation = kVertical;
  ComputeLayout(standing, 10, 12, kChartImageWidth, 300, 244);
  EXPECT_DOUBLE_EQ(standing.scale, (244 - 24 - 20) / 100.0);
}

TEST(ChartLayout, LongestLabelIsTheOneWithMostBytesEarliestFirst) {
  ChartState state;
  for (const char* label : {"abc", "abcdef", "ghijkl", "ab"}) AddItem(state, ChartItem{label, 0, 0, -1, true});
  EXPECT_FALSE(LongestVisibleLabel(state).has_value());
  RebuildVisibleItems(state);
  EXPECT_EQ(LongestVisibleLabel(state), 1u);
  state.firstVisible = 2;
  RebuildVisibleItems(state);
  EXPECT_EQ(LongestVisibleLabel(state), 0u);
}

TEST(ChartLayout, AxisStepsAndTheirLabels) {
  ChartState state = DialogLayout();
  const int positions[] = {104, 201, 298, 395, 493};
  const char* labels[] = {"0%", "25%", "50%", "75%", "100%"};
  for (int k = 0; k <= 4; ++k) {
    EXPECT_EQ(AxisPosition(state, k, 291), positions[k]) << k;
    EXPECT_EQ(AxisLabel(state, k), labels[k]) << k;
  }
  EXPECT_EQ(AxisLabelBox(state, 2, 291), (ChartRect{252, 2, 348, 30}));
  state.showPercentSign = false;
  SetRange(state, 0, 10, 3);
  EXPECT_EQ(AxisLabel(state, 1), "3");  // 3.33 truncated
}

TEST(ChartLayout, RowsAndBarsWithTheTwoPixelMinimum) {
  const ChartState state = DialogLayout();
  EXPECT_EQ(LabelBox(state, 1, 291), (ChartRect{0, 48, 100, 72}));
  struct Case {
    int value;
    ChartRect bar;
  } cases[] = {{50, {105, 52, 298, 68}}, {100, {105, 52, 493, 68}}, {0, {105, 52, 107, 68}}, {-5, {105, 52, 107, 68}}};
  for (const Case& c : cases) EXPECT_EQ(BarRect(state, 1, c.value, 291), c.bar) << c.value;

  ChartState standing = state;
  standing.orientation = kVertical;
  ComputeLayout(standing, 96, 12, kChartImageWidth, 513, 291);
  const ChartRect zero = BarRect(standing, 0, 0, 291);
  EXPECT_EQ(zero.Height(), 2);
  EXPECT_EQ(zero.bottom, 291 - standing.rowSize);
}

TEST(ChartLayout, GridLinesOfEachStyle) {
  ChartState state = DialogLayout();
  std::vector<GridLine> raised = GridLines(state, 513, 291);
  ASSERT_EQ(raised.size(), 5u);
  EXPECT_EQ(raised[1], (GridLine{201, 20, 201, 291, true}));

  state.gridStyle = kGridMarksOver;
  std::vector<GridLine> marks = GridLines(state, 513, 291);
  ASSERT_EQ(marks.size(), 5u);
  EXPECT_EQ(marks[0], (GridLine{104, 0, 104, 291, false}));
  EXPECT_EQ(marks[4], (GridLine{493, 21, 493, 24, false}));
}

TEST(ChartLayout, BarShadeRunsFromWhiteToTheBarColour) {
  const ColourRef colour = MakeColourRef(255, 102, 153);
  struct Case {
    int height, bands, bandHeight;
  } cases[] = {{16, 16, 1}, {300, 150, 2}, {1, 1, 1}};
  for (const Case& c : cases) {
    const std::vector<ShadeBand> bands = ShadeBands(ChartRect{0, 10, 40, 10 + c.height}, colour);
    ASSERT_EQ(static_cast<int>(bands.size()), c.bands) << c.height;
    EXPECT_EQ(bands.front().top, 10);
    EXPECT_EQ(bands.front().bottom - bands.front().top, c.bandHeight);
    EXPECT_EQ(bands.back().bottom, 10 + c.height);
    EXPECT_EQ(bands.back().colour, colour);
    if (c.bands > 1) {
      EXPECT_EQ(bands.front().colour, MakeColourRef(255, 255, 255));
    }
  }
}

TEST(ChartTips, LabelValueAndPercentSignOverTheBarUnderThePointer) {
  ChartState state;
  AddItem(state, ChartItem{"a", 73, 0, -1, true});
  AddItem(state, ChartItem{"b", 40, 0, -1, false});
  RebuildVisibleItems(state);
  SetRange(state, 0, 100, 4);
  state.orientation = kVertical;
  ComputeLayout(state, 20, 12, kChartImageWidth, 300, 244);
  EXPECT_EQ(TipText(state, 0), "a  73%");
  state.showPercentSign = false;
  EXPECT_EQ(TipText(state, 0), "a  73");
  state.showValueInTips = false;
  EXPECT_EQ(TipText(state, 0), "a");

  const ChartRect bar = BarRect(state, 0, 73, 244);
  EXPECT_EQ(BarAt(state, bar.left + 1, bar.bottom - 1, 244), 0);
  EXPECT_FALSE(BarAt(state, bar.left + 1, bar.top - 2, 244).has_value());
  // A person who cannot be computed has no bar to point at.
  const ChartRect other = BarRect(state, 1, 0, 244);
  EXPECT_FALSE(BarAt(state, other.left + 1, other.bottom - 1, 244).has_value());
}
