#include "ui/chart/chart_state.h"

#include <algorithm>
#include <utility>

namespace nuvaro::ui::chart {

int SetRange(ChartState& state, float minimum, float maximum, int divisions) {
  state.minimum = minimum;
  state.maximum = maximum;
  if (!(maximum > minimum)) return 0;
  state.divisions = divisions;
  return 1;
}

int AddItem(ChartState& state, ChartItem item) {
  state.items.push_back(std::move(item));
  return 1;
}

void RebuildVisibleItems(ChartState& state) {
  const int first = std::clamp(state.firstVisible, 0, static_cast<int>(state.items.size()));
  state.visibleItems.assign(state.items.begin() + first, state.items.end());
}

bool ScrollDown(ChartState& state) {
  if (state.items.empty()) return false;
  state.firstVisible = std::min(state.firstVisible + kScrollStep, static_cast<int>(state.items.size()) - 1);
  RebuildVisibleItems(state);
  return true;
}

bool ScrollUp(ChartState& state) {
  if (state.items.empty()) return false;
  state.firstVisible = std::max(state.firstVisible - kScrollStep, 0);
  RebuildVisibleItems(state);
  return true;
}

ColourRef BarColour(bool isMale, int age) {
  // The shade steps through green for men and blue for women, 51 per band.
  static constexpr int kUpperAges[] = {10, 20, 30, 40, 50};
  int band = 5;
  for (int i = 0; i < 5; ++i) {
    if (age <= kUpperAges[i]) {
      band = i;
      break;
    }
  }
  const int shade = band * 51;
  return isMale ? MakeColourRef(102, shade, 255) : MakeColourRef(255, 102, shade);
}

}  // namespace nuvaro::ui::chart
