#include "ui/chart/percentage_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "core/guide_menu_model.h"
#include "platform/qt/text_conversion.h"
#include "ui/chart/chart_state.h"
#include "ui/chart/chart_wnd.h"
#include "ui/guide/guide_form_layout.h"

namespace nuvaro::ui {
namespace {

// The dialog and its controls in dialog units.
constexpr int kDialogWidth = 355;
constexpr int kDialogHeight = 279;
struct DialogItem {
  int x, y, width, height;
};
constexpr DialogItem kExplanationItem{7, 8, 342, 29};
constexpr DialogItem kChartItem{7, 42, 342, 194};
constexpr DialogItem kUpItem{7, 250, 40, 16};
constexpr DialogItem kDownItem{51, 250, 40, 16};
constexpr DialogItem kCloseItem{289, 250, 60, 16};

constexpr int kExplanationPixelHeight = 14;

QRect Place(const DialogItem& item) { return DialogRectToPixels(item.x, item.y, item.width, item.height); }

QPushButton* MakeButton(const char* utf8, const char* name, const DialogItem& item, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(utf8), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(Place(item));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

CPercentageDialog::CPercentageDialog(core::CFace* face, core::PluginHost& host, const core::EngineBinding& engine,
                                     QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("CPercentageDialog"));
  setFixedSize(DialogUnitsToPixelsX(kDialogWidth), DialogUnitsToPixelsY(kDialogHeight));

  core::PercentageFormTexts form;
  if (face != nullptr) form = core::SelectedPercentageForm(*face, host);
  setWindowTitle(platform::QStringFromCp932(form.title));

  explanation_ = new QLabel(platform::QStringFromCp932(form.explanation), this);
  explanation_->setObjectName(QStringLiteral("1035"));
  explanation_->setGeometry(Place(kExplanationItem));
  explanation_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  explanation_->setWordWrap(true);
  QFont explanationFont(QString::fromUtf8(chart::kChartFontName));
  explanationFont.setPixelSize(kExplanationPixelHeight);
  explanation_->setFont(explanationFont);

  chart_ = new CChartWnd(this);
  chart_->setObjectName(QStringLiteral("1001"));
  chart_->setGeometry(Place(kChartItem));

  up_ = MakeButton("▲", "1002", kUpItem, this);
  down_ = MakeButton("▼", "1003", kDownItem, this);
  close_ = MakeButton("閉じる", "IDOK", kCloseItem, this);
  close_->setDefault(true);
  connect(up_, &QPushButton::clicked, chart_, &CChartWnd::ScrollUp);
  connect(down_, &QPushButton::clicked, chart_, &CChartWnd::ScrollDown);
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);

  if (chart_->FillFromBoard(face, host, engine) != 0) {
    chart_->SetBandShading(true, MakeColourRef(kPercentageBandRed, kPercentageBandGreen, kPercentageBandBlue));
  }
}

}  // namespace nuvaro::ui
