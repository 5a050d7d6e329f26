#include "ui/frame/nuvaro_menu_toolbar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>

#include "ui/controls/hover_button.h"
#include "ui/frame/frame_artwork.h"
#include "ui/frame/frame_commands.h"
#include "ui/frame/frame_palette.h"

namespace nuvaro::ui {

CNuvaroMenuToolbar::CNuvaroMenuToolbar(QWidget* parent)
    : QWidget(parent),
      upper_(new QLabel(this)),
      lower_(new QLabel(this)),
      back_(new CHoverButton(QString::fromUtf8("戻る"), this)) {
  setObjectName("CNuvaroMenuToolbar");
  // Texts come from plug-ins: never markup.
  upper_->setTextFormat(Qt::PlainText);
  lower_->setTextFormat(Qt::PlainText);
  upper_->setFont(BarFont("ＭＳ Ｐゴシック", 15, true));
  lower_->setFont(BarFont("ＭＳ Ｐゴシック", 12, false));
  lower_->setWordWrap(true);
  for (QLabel* label : {upper_, lower_}) {
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, kBarTextColour);
    label->setPalette(colours);
  }
  back_->LoadStrip(BarButtonStrip(), kBarStripFrames);
  back_->setFocusPolicy(Qt::TabFocus);

  auto* texts = new QVBoxLayout;
  texts->setSpacing(2);
  texts->addWidget(upper_);
  texts->addWidget(lower_);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(12, 5, 10, 6);
  layout->setSpacing(12);
  layout->addLayout(texts, 1);
  layout->addWidget(back_, 0, Qt::AlignVCenter);
  connect(back_, &QPushButton::clicked, this, [this] { emit command(kCommandBack); });
}

void CNuvaroMenuToolbar::SetUpperText(const QString& text) { upper_->setText(text); }
void CNuvaroMenuToolbar::SetLowerText(const QString& text) { lower_->setText(text); }
QString CNuvaroMenuToolbar::UpperText() const { return upper_->text(); }
QString CNuvaroMenuToolbar::LowerText() const { return lower_->text(); }

void CNuvaroMenuToolbar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintBarBackground(painter, rect());
}

}  // namespace nuvaro::ui
