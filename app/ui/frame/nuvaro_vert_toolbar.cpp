#include "ui/frame/nuvaro_vert_toolbar.h"

#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>

#include "ui/controls/hover_button.h"
#include "ui/frame/frame_artwork.h"
#include "ui/frame/frame_commands.h"
#include "ui/frame/frame_palette.h"

namespace nuvaro::ui {

const std::vector<BoardToolbarButton>& BoardToolbarButtons() {
  static const std::vector<BoardToolbarButton> buttons = {
      {kCommandHelp, "？使い方"},        {kCommandMenu, "メニュー"},   {kCommandNameEntry, "名前入力"},
      {kCommandWhisper, "ヌヴァロ"},     {kCommandQuiet, "だまる"},    {kCommandPercentage, "愛情度"},
      {kCommandCalendar, "カレンダ"},    {kCommandClearAll, "全消去"},
  };
  return buttons;
}

CNuvaroVertToolbar::CNuvaroVertToolbar(QWidget* parent) : QWidget(parent) {
  setObjectName("CNuvaroVertToolbar");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 10, 6, 10);
  layout->setSpacing(8);
  const QPixmap strip = BoardToolbarButtonStrip();
  for (const BoardToolbarButton& entry : BoardToolbarButtons()) {
    auto* button = new CHoverButton(QString::fromUtf8(entry.caption), this);
    button->LoadStrip(strip, kBarStripFrames);
    button->setFocusPolicy(Qt::TabFocus);
    const int number = entry.commandNumber;
    connect(button, &QPushButton::clicked, this, [this, number] { emit command(number); });
    layout->addWidget(button, 0, Qt::AlignHCenter);
    buttons_.push_back(button);
    // A gap after "メニュー" and after "だまる" groups the buttons by what they do.
    if (number == kCommandMenu || number == kCommandQuiet) layout->addSpacing(10);
  }
  layout->addStretch(1);
}

CHoverButton* CNuvaroVertToolbar::Button(int commandNumber) const {
  const auto& entries = BoardToolbarButtons();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].commandNumber == commandNumber) return buttons_[i];
  }
  return nullptr;
}

void CNuvaroVertToolbar::SetPercentageCaption(const QString& caption) {
  Button(kCommandPercentage)->setText(caption);
}

void CNuvaroVertToolbar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QLinearGradient fill(0, 0, width(), 0);
  fill.setColorAt(0, kBoardBarBottomColour);
  fill.setColorAt(1, kBoardBarTopColour);
  painter.fillRect(rect(), fill);
  painter.setPen(kBarLineColour);
  painter.drawLine(0, 0, 0, height());
}

}  // namespace nuvaro::ui
