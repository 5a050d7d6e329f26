// CHoverButton: a picture button whose face is cut from a strip of equal frames
// (normal, pressed, hover and focus) and changes while the mouse rests on it; its
// caption is drawn centred over the face. Without a usable strip it is an ordinary
// push button.
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPushButton>

#include <optional>

#include "ui/controls/hover_button_frames.h"

namespace nuvaro::ui {

class CHoverButton : public QPushButton {
  Q_OBJECT

 public:
  explicit CHoverButton(QWidget* parent = nullptr);
  explicit CHoverButton(const QString& caption, QWidget* parent = nullptr);

  // Takes the face strip split into frameCount frames and resizes the button to one
  // frame without moving it. Pixels of the transparent colour, when given, let the
  // parent show through. Returns false, and the button stays a push button, when the
  // strip is empty or cannot be split into frames.
  bool LoadStrip(const QPixmap& strip, int frameCount, std::optional<QColor> transparent = std::nullopt);

  bool HasStrip() const { return strip_.IsUsable(); }
  const StripGeometry& Strip() const { return strip_; }
  // The frame the next paint shows.
  int CurrentFrame() const;
  bool IsHovering() const { return hovering_; }

  // "ＭＳ ゴシック", 12 pixels, bold.
  static QFont DefaultCaptionFont();
  const QFont& CaptionFont() const { return captionFont_; }
  void SetCaptionFont(const QFont& font);
  void SetCaptionColour(const QColor& colour);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void StartHover();
  void EndHover();

  QPixmap pixmap_;
  StripGeometry strip_;
  bool hovering_ = false;
  bool tracking_ = false;
  QFont captionFont_;
  QColor captionColour_ = Qt::black;
};

}  // namespace nuvaro::ui
