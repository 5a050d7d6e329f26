// Filling the percentage chart from the board: one item per active person other than
// the user, coloured by sex and age band, valued by the active reading's pair
// percentage.
#pragma once

#include "ui/chart/chart_state.h"

namespace nuvaro::core {
class CFace;
class EngineBinding;
class PluginHost;
}  // namespace nuvaro::core

namespace nuvaro::ui::chart {

// Without a board document (face null) shows "m_pFaceがNULLです" over messageParent
// and answers 0; with no face list at all answers 0. Otherwise sets the range to 0 ...
// 100 in 4 steps, adds the faces 1 ... last that are active (the trash box's are left
// out) with the pair percentage of each (mode 0 for the call, restored after), rebuilds
// the visible items, switches tips on and answers 1. The layout is the window's part.
// A pair with a name the engine cannot read (the user's or the person's) is added as
// not computable, value 0.
int FillFromBoard(ChartState& state, core::CFace* face, core::PluginHost& host, const core::EngineBinding& engine,
                  void* messageParent);

}  // namespace nuvaro::ui::chart
