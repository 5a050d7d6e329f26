#include "ui/chart/chart_fill.h"

#include <utility>

#include "chart/chart_texts.h"
#include "core/core_texts.h"
#include "core/face.h"
#include "core/pair_reading.h"
#include "platform/core/message_sink.h"

namespace nuvaro::ui::chart {
namespace {

constexpr float kPercentMinimum = 0.0f;
constexpr float kPercentMaximum = 100.0f;
constexpr int kPercentDivisions = 4;

}  // namespace

int FillFromBoard(ChartState& state, core::CFace* face, core::PluginHost& host, const core::EngineBinding& engine,
                  void* messageParent) {
  if (face == nullptr) {
    platform::ShowMessageBox(messageParent, chart_texts::kNoBoardDocument, core::texts::kApplicationTitle);
    return 0;
  }
  if (face->LastIndex() < 0) return 0;
  // A second filling starts over rather than adding everybody again.
  state.items.clear();
  state.firstVisible = 0;
  SetRange(state, kPercentMinimum, kPercentMaximum, kPercentDivisions);
  for (int i = 1; i <= face->LastIndex(); ++i) {
    if (face->IsActive(i) == 0) continue;
    ChartItem item;
    item.label = face->Name(i);
    item.colour = BarColour(face->IsMale(i) != 0, face->Age(i));
    item.computable = core::CheckPairNames(*face, item.label, engine) == core::PairNames::Readable;
    item.value = item.computable ? core::PairPercentage(*face, i, host, engine) : 0;
    AddItem(state, std::move(item));
  }
  RebuildVisibleItems(state);
  state.showTips = true;
  return 1;
}

}  // namespace nuvaro::ui::chart
