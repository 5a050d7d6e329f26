// The percentage dialog: the active reading's title and explanation above the chart of
// everyone on the board, "▲" and "▼" to scroll it, "閉じる".
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace nuvaro::core {
class CFace;
class EngineBinding;
class PluginHost;
}  // namespace nuvaro::core

namespace nuvaro::ui {

class CChartWnd;

// Band colour of the chart once it was filled.
inline constexpr int kPercentageBandRed = 69;
inline constexpr int kPercentageBandGreen = 164;
inline constexpr int kPercentageBandBlue = 150;

class CPercentageDialog : public QDialog {
  Q_OBJECT

 public:
  // Takes its title and explanation from the active reading's percentage form and fills
  // the chart from the board (face null: no board document; the chart tells the user and
  // stays empty and unshaded).
  CPercentageDialog(core::CFace* face, core::PluginHost& host, const core::EngineBinding& engine,
                    QWidget* parent = nullptr);

  CChartWnd* Chart() const { return chart_; }
  QLabel* Explanation() const { return explanation_; }
  QPushButton* UpButton() const { return up_; }
  QPushButton* DownButton() const { return down_; }
  QPushButton* CloseButton() const { return close_; }

 private:
  QLabel* explanation_;
  CChartWnd* chart_;
  QPushButton* up_;
  QPushButton* down_;
  QPushButton* close_;
};

}  // namespace nuvaro::ui
