// Painting the percentage chart from its state, in order: background and band shading,
// axis labels, the grid before the bars (style 2), the names and bars (a shade from
// white to the bar's colour, a 2-pixel outline, a grey drop shadow in the horizontal
// layout), the grid over the bars (styles 0 and 1). Used by the window and the
// benchmark alike.
#pragma once

#include <QFont>
#include <QSize>

#include "ui/chart/chart_state.h"

class QPainter;

namespace nuvaro::ui::chart {

// The font of all the chart's text: the state's family at its pixel height.
QFont ChartFont(const ChartState& state);

void PaintChart(QPainter& painter, const ChartState& state, QSize client, const QFont& font);

}  // namespace nuvaro::ui::chart
