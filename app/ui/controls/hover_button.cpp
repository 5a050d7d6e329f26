#include "ui/controls/hover_button.h"

#include <QBitmap>
#include <QEnterEvent>
#include <QPainter>

namespace nuvaro::ui {

CHoverButton::CHoverButton(QWidget* parent) : CHoverButton(QString(), parent) {}

CHoverButton::CHoverButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent), captionFont_(DefaultCaptionFont()) {
  setMouseTracking(true);
}

QFont CHoverButton::DefaultCaptionFont() {
  QFont font(QString::fromUtf8("ＭＳ ゴシック"));
  font.setPixelSize(12);
  font.setWeight(QFont::Bold);
  return font;
}

bool CHoverButton::LoadStrip(const QPixmap& strip, int frameCount, std::optional<QColor> transparent) {
  StripGeometry geometry = MeasureStrip(strip.size(), frameCount);
  if (strip.isNull() || !geometry.IsUsable()) {
    pixmap_ = QPixmap();
    strip_ = StripGeometry();
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    updateGeometry();
    update();
    return false;
  }
  pixmap_ = strip;
  if (transparent) pixmap_.setMask(strip.createMaskFromColor(*transparent, Qt::MaskInColor));
  strip_ = geometry;
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  resize(strip_.frameWidth, strip_.height);
  updateGeometry();
  update();
  return true;
}

int CHoverButton::CurrentFrame() const {
  return ChooseHoverFrame(hasFocus(), isDown(), hovering_ && isEnabled());
}

void CHoverButton::SetCaptionFont(const QFont& font) {
  captionFont_ = font;
  update();
}

void CHoverButton::SetCaptionColour(const QColor& colour) {
  captionColour_ = colour;
  update();
}

QSize CHoverButton::sizeHint() const {
  if (HasStrip()) return QSize(strip_.frameWidth, strip_.height);
  return QPushButton::sizeHint();
}

QSize CHoverButton::minimumSizeHint() const {
  if (HasStrip()) return sizeHint();
  return QPushButton::minimumSizeHint();
}

void CHoverButton::paintEvent(QPaintEvent* event) {
  if (!HasStrip()) {
    QPushButton::paintEvent(event);
    return;
  }
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(rect(), pixmap_, strip_.FrameRect(CurrentFrame()));
  if (text().isEmpty()) return;
  painter.setFont(captionFont_);
  painter.setPen(isEnabled() ? captionColour_ : palette().color(QPalette::Disabled, QPalette::ButtonText));
  painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, text());
}

void CHoverButton::StartHover() {
  tracking_ = true;
  if (hovering_) return;
  hovering_ = true;
  update();
}

void CHoverButton::EndHover() {
  tracking_ = false;
  if (!hovering_) return;
  hovering_ = false;
  update();
}

void CHoverButton::enterEvent(QEnterEvent* event) {
  StartHover();
  QPushButton::enterEvent(event);
}

void CHoverButton::mouseMoveEvent(QMouseEvent* event) {
  if (!tracking_) StartHover();
  QPushButton::mouseMoveEvent(event);
}

void CHoverButton::leaveEvent(QEvent* event) {
  EndHover();
  QPushButton::leaveEvent(event);
}

void CHoverButton::changeEvent(QEvent* event) {
  // A disabled button keeps no hover face; it gets no leave once disabled.
  if (event->type() == QEvent::EnabledChange && !isEnabled()) EndHover();
  QPushButton::changeEvent(event);
}

}  // namespace nuvaro::ui
