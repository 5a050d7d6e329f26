#include "ui/controls/link_label.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QUrl>

#include "ui/controls/colour_value.h"

namespace nuvaro::ui {
namespace {

CLinkLabel::OpenHandler& OpenAction() {
  static CLinkLabel::OpenHandler handler = [](const QString& text) {
    return QDesktopServices::openUrl(QUrl::fromUserInput(text));
  };
  return handler;
}

constexpr ColourRef kDefaultHoverColour = 0x8000FF;

}  // namespace

CLinkLabel::CLinkLabel(QWidget* parent) : CLinkLabel(QString(), parent) {}

CLinkLabel::CLinkLabel(const QString& text, QWidget* parent)
    : QLabel(parent),
      labelFont_(QApplication::font()),
      textColour_(QApplication::palette().color(QPalette::Active, QPalette::WindowText)),
      hoverColour_(ToQColor(kDefaultHoverColour)),
      backgroundColour_(QApplication::palette().color(QPalette::Active, QPalette::Button)),
      tip_(new CTipWindow(this)) {
  // Texts come from plug-ins and settings: never interpret them as markup.
  setTextFormat(Qt::PlainText);
  setText(text);
  setMouseTracking(true);
  ApplyFont();
  ApplyColours();
}

CLinkLabel::OpenHandler CLinkLabel::SetOpenHandler(OpenHandler handler) {
  OpenHandler previous = std::move(OpenAction());
  OpenAction() = std::move(handler);
  return previous;
}

void CLinkLabel::SetTextColour(const QColor& colour) {
  textColour_ = colour;
  ApplyColours();
}

void CLinkLabel::SetHoverColour(const QColor& colour) {
  hoverColour_ = colour;
  ApplyColours();
}

void CLinkLabel::SetBackgroundColour(const QColor& colour) {
  backgroundColour_ = colour;
  opaque_ = true;
  ApplyColours();
}

void CLinkLabel::SetTransparentBackground() {
  opaque_ = false;
  ApplyColours();
}

void CLinkLabel::SetBold(bool bold) {
  labelFont_.setWeight(bold ? QFont::Bold : QFont::Normal);
  ApplyFont();
}

void CLinkLabel::SetUnderline(bool underline) {
  labelFont_.setUnderline(underline);
  ApplyFont();
}

void CLinkLabel::SetHeight(int pixels) {
  if (pixels <= 0) return;  // a font of no height would draw nothing
  labelFont_.setPixelSize(pixels);
  ApplyFont();
}

void CLinkLabel::SetFaceName(const QString& faceName) {
  labelFont_.setFamilies({faceName});
  ApplyFont();
}

void CLinkLabel::SetOpenText(const QString& text) {
  openText_ = text;
  if (!text.isEmpty()) SetLinked(true);
}

void CLinkLabel::SetCommand(int id, QObject* target) {
  commandId_ = id;
  commandTarget_ = target;
  commandToParent_ = target == nullptr;
  SetLinked(true);
}

void CLinkLabel::SetLinked(bool linked) {
  linked_ = linked;
  if (!linked_) SetHovering(false);
}

void CLinkLabel::SetTipText(const QString& text) { tip_->SetTipText(text); }

std::optional<CommandValue> CLinkLabel::ClickCommand() const {
  if (!commandId_) return std::nullopt;
  return MakeCommand(*commandId_, kLinkClickCode);
}

void CLinkLabel::ApplyFont() {
  setFont(labelFont_);
  updateGeometry();
  update();
}

void CLinkLabel::ApplyColours() {
  QPalette colours = palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    colours.setColor(group, QPalette::WindowText, ShownTextColour());
    colours.setColor(group, QPalette::Window, backgroundColour_);
  }
  setPalette(colours);
  setAutoFillBackground(opaque_);
  update();
}

void CLinkLabel::SetHovering(bool hovering) {
  if (hovering_ == hovering) return;
  hovering_ = hovering;
  ApplyColours();
}

void CLinkLabel::enterEvent(QEnterEvent* event) {
  if (linked_) SetHovering(true);
  tip_->Arm(event->globalPosition().toPoint());
  QLabel::enterEvent(event);
}

void CLinkLabel::mouseMoveEvent(QMouseEvent* event) {
  if (linked_) SetHovering(true);
  tip_->Arm(event->globalPosition().toPoint());
  QLabel::mouseMoveEvent(event);
}

void CLinkLabel::leaveEvent(QEvent* event) {
  SetHovering(false);
  tip_->Disarm();
  pressed_ = false;
  QLabel::leaveEvent(event);
}

void CLinkLabel::mousePressEvent(QMouseEvent* event) {
  tip_->Disarm();
  if (event->button() == Qt::LeftButton && linked_) {
    pressed_ = true;
    event->accept();
    return;
  }
  QLabel::mousePressEvent(event);
}

void CLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && pressed_) {
    pressed_ = false;
    event->accept();
    if (rect().contains(event->position().toPoint())) Activate();
    return;
  }
  QLabel::mouseReleaseEvent(event);
}

void CLinkLabel::Activate() {
  if (!openText_.isEmpty() && OpenAction()) OpenAction()(openText_);
  std::optional<CommandValue> command = ClickCommand();
  // A target that is gone gets nothing.
  if (command) PostCommand(commandToParent_ ? parentWidget() : commandTarget_.data(), *command);
  // A receiver may destroy the label; nothing of it is touched after the signals.
  QPointer<CLinkLabel> self(this);
  emit clicked();
  if (self && command) emit commandIssued(*command);
}

}  // namespace nuvaro::ui
