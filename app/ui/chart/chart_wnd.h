// CChartWnd: the percentage chart control, one bar per person on the board. It holds
// the chart's state, computes the layout with its font, shows "誰もいません。" when an
// empty chart is scrolled, shows a tip over a bar in the vertical layout, and paints
// through PaintChart (Qt widgets paint off-screen first, so there is no flicker).
#pragma once

#include <QWidget>

#include <string>

#include "ui/chart/chart_state.h"

namespace nuvaro::core {
class CFace;
class EngineBinding;
class PluginHost;
}  // namespace nuvaro::core

namespace nuvaro::ui {

class CChartWnd : public QWidget {
  Q_OBJECT

 public:
  explicit CChartWnd(QWidget* parent = nullptr);

  const chart::ChartState& State() const { return state_; }
  // For changing options and colours; call update() afterwards.
  chart::ChartState& State() { return state_; }

  // See chart::SetRange and chart::AddItem.
  int SetRange(float minimum, float maximum, int divisions);
  int AddItem(const std::string& labelCp932, int value, ColourRef colour, int spare = -1);

  // Fills the chart from the board (chart::FillFromBoard) and computes the layout for
  // the present size; answers 0 when there is no board document or no face list.
  int FillFromBoard(core::CFace* face, core::PluginHost& host, const core::EngineBinding& engine);

  // Label column from the longest visible label in the chart's font, row size, scale.
  // Computed again on every resize once it has been computed.
  void ComputeLayout();

  // Band shading of the label column and the axis band.
  void SetBandShading(bool on, ColourRef colour);

 public slots:
  // "▲" and "▼": 5 items up or down, or "誰もいません。" without any item.
  void ScrollUp();
  void ScrollDown();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void TellNobody();

  chart::ChartState state_;
  bool layoutComputed_ = false;
};

}  // namespace nuvaro::ui
