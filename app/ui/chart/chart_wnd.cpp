#include "ui/chart/chart_wnd.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <utility>

#include "chart/chart_texts.h"
#include "core/core_texts.h"
#include "platform/core/message_sink.h"
#include "platform/qt/text_conversion.h"
#include "ui/chart/chart_fill.h"
#include "ui/chart/chart_layout.h"
#include "ui/chart/chart_painter.h"

namespace nuvaro::ui {

CChartWnd::CChartWnd(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("NuvaroChartCtrl"));
  // Every pixel is painted, so Qt need not clear the background first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFont(chart::ChartFont(state_));
}

int CChartWnd::SetRange(float minimum, float maximum, int divisions) {
  const int accepted = chart::SetRange(state_, minimum, maximum, divisions);
  update();
  return accepted;
}

int CChartWnd::AddItem(const std::string& labelCp932, int value, ColourRef colour, int spare) {
  chart::ChartItem item;
  item.label = labelCp932;
  item.value = value;
  item.colour = colour;
  item.spare = spare;
  return chart::AddItem(state_, std::move(item));
}

int CChartWnd::FillFromBoard(core::CFace* face, core::PluginHost& host, const core::EngineBinding& engine) {
  if (chart::FillFromBoard(state_, face, host, engine, this) == 0) return 0;
  ComputeLayout();
  update();
  return 1;
}

void CChartWnd::ComputeLayout() {
  const QFontMetrics metrics(font());
  int longest = 0;
  if (auto index = chart::LongestVisibleLabel(state_)) {
    longest = metrics.horizontalAdvance(platform::QStringFromCp932(state_.visibleItems[*index].label));
  }
  chart::ComputeLayout(state_, longest, metrics.height(), chart::kChartImageWidth, width(), height());
  layoutComputed_ = true;
}

void CChartWnd::SetBandShading(bool on, ColourRef colour) {
  state_.bandShading = on;
  state_.bandColour = colour;
  update();
}

void CChartWnd::ScrollUp() {
  if (!chart::ScrollUp(state_)) {
    TellNobody();
    return;
  }
  update();
}

void CChartWnd::ScrollDown() {
  if (!chart::ScrollDown(state_)) {
    TellNobody();
    return;
  }
  update();
}

void CChartWnd::TellNobody() {
  platform::ShowMessageBox(this, chart_texts::kNobodyToScroll, core::texts::kApplicationTitle);
}

void CChartWnd::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  chart::PaintChart(painter, state_, size(), font());
}

void CChartWnd::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (layoutComputed_) ComputeLayout();
}

void CChartWnd::mouseMoveEvent(QMouseEvent* event) {
  QWidget::mouseMoveEvent(event);
  if (state_.orientation != chart::kVertical || !state_.showTips) return;
  const QPoint at = event->position().toPoint();
  const auto bar = chart::BarAt(state_, at.x(), at.y(), height());
  if (!bar) {
    QToolTip::hideText();
    return;
  }
  const chart::ChartRect rect =
      chart::BarRect(state_, *bar, state_.visibleItems[static_cast<std::size_t>(*bar)].value, height());
  // The tip goes away by itself once the pointer leaves the bar's rectangle.
  QToolTip::showText(event->globalPosition().toPoint(), platform::QStringFromCp932(chart::TipText(state_, *bar)), this,
                     QRect(rect.left, rect.top, rect.Width(), rect.Height()));
}

}  // namespace nuvaro::ui
