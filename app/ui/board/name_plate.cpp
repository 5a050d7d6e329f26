#include "board/name_plate.h"

#include <QContextMenuEvent>
#include <QPainter>

#include "board/board_commands.h"
#include "board/board_pictures.h"
#include "platform/qt/text_conversion.h"
#include "core/core_texts.h"

namespace nuvaro::ui {

CNamePlate::CNamePlate(int faceId, QWidget* parent) : QAbstractButton(parent), faceId_(faceId) {
  setFixedSize(kNamePlateWidth, kNamePlateHeight);
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::PointingHandCursor);
  QFont plateFont(platform::QStringFromCp932(core::texts::kDefaultGuideFontName));
  plateFont.setFamilies({platform::QStringFromCp932(core::texts::kDefaultGuideFontName), QStringLiteral("IPAPGothic"),
                         QStringLiteral("IPAexGothic")});
  plateFont.setPixelSize(12);
  setFont(plateFont);
  connect(this, &QAbstractButton::clicked, this, [this] { emit plateCommand(NamePlateCommand(faceId_)); });
}

void CNamePlate::SetName(std::string_view nameCp932) {
  if (name_ == nameCp932) return;
  name_ = std::string(nameCp932);
  setText(platform::QStringFromCp932(name_));
  update();
}

void CNamePlate::enterEvent(QEnterEvent* event) {
  hover_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void CNamePlate::leaveEvent(QEvent* event) {
  hover_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}

void CNamePlate::contextMenuEvent(QContextMenuEvent* event) {
  emit menuRequested(faceId_, event->globalPos());
  event->accept();
}

void CNamePlate::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const auto state = isDown() ? BoardPictures::PlateState::Pressed
                              : hover_ ? BoardPictures::PlateState::Hover : BoardPictures::PlateState::Normal;
  const QPixmap plate = BoardPictures::Shared().Plate(state);
  if (!plate.isNull()) {
    painter.drawPixmap(0, 0, plate);
  } else {
    painter.fillRect(rect(), QColor(250, 240, 215));
  }
  painter.setPen(QColor(70, 45, 20));
  const QRect textRect = rect().adjusted(6, 0, -6, 0);
  const QString name = fontMetrics().elidedText(text(), Qt::ElideRight, textRect.width());
  painter.drawText(textRect.translated(0, isDown() ? 1 : 0), Qt::AlignCenter, name);
}

}  // namespace nuvaro::ui
