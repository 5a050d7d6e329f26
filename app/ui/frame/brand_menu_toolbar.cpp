#include "ui/frame/brand_menu_toolbar.h"

#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>

#include "ui/controls/hover_button.h"
#include "ui/frame/frame_artwork.h"
#include "ui/frame/frame_commands.h"
#include "ui/frame/frame_palette.h"

namespace nuvaro::ui {
namespace {

constexpr int kBrandBarHeight = 40;
constexpr int kNameLeft = 48;

CHoverButton* MakeButton(const char* caption, QWidget* parent) {
  auto* button = new CHoverButton(QString::fromUtf8(caption), parent);
  button->LoadStrip(BarButtonStrip(), kBarStripFrames);
  button->setFocusPolicy(Qt::TabFocus);
  return button;
}

}  // namespace

CBrandMenuToolbar::CBrandMenuToolbar(QWidget* parent)
    : QWidget(parent), close_(MakeButton("閉じる", this)), information_(MakeButton("情報", this)) {
  setObjectName("CBrandMenuToolbar");
  setWindowTitle("This is docking dialog bar");
  setFixedHeight(kBrandBarHeight);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(kNameLeft, 0, 10, 0);
  layout->setSpacing(8);
  layout->addStretch(1);
  layout->addWidget(close_, 0, Qt::AlignVCenter);
  layout->addWidget(information_, 0, Qt::AlignVCenter);
  connect(close_, &QPushButton::clicked, this, [this] { emit command(kCommandClose); });
  connect(information_, &QPushButton::clicked, this, [this] { emit command(kCommandInformation); });
}

void CBrandMenuToolbar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintBarBackground(painter, rect());

  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const int iconSize = 30;
  QPixmap icon = ApplicationIcon().pixmap(iconSize, iconSize);
  if (!icon.isNull()) painter.drawPixmap(10, (height() - iconSize) / 2, iconSize, iconSize, icon);
  painter.setPen(kBarTextColour);
  painter.setFont(BarFont("ＭＳ 明朝", 20, true));
  QRect nameRect(kNameLeft, 0, width() - kNameLeft, height());
  painter.drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8("ヌヴァロ君"));
}

}  // namespace nuvaro::ui
