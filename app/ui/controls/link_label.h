// CLinkLabel: a text label with its own font and colours that can act as a link:
// while linked it shows the hover colour under the mouse, and a click opens its text
// to open and sends its command (low word the id, high word kLinkClickCode) to its
// target window.
#pragma once

#include <QColor>
#include <QLabel>
#include <QPointer>

#include <functional>
#include <optional>

#include "ui/controls/control_command.h"
#include "ui/controls/tip_window.h"

namespace nuvaro::ui {

class CLinkLabel : public QLabel {
  Q_OBJECT

 public:
  // Opens a text (an address or a file) with the desktop's "open" action.
  using OpenHandler = std::function<bool(const QString& text)>;

  explicit CLinkLabel(QWidget* parent = nullptr);
  explicit CLinkLabel(const QString& text, QWidget* parent = nullptr);

  // Colours. The background is transparent until a background colour is set.
  void SetTextColour(const QColor& colour);
  void SetHoverColour(const QColor& colour);
  void SetBackgroundColour(const QColor& colour);
  void SetTransparentBackground();

  // Font setters: each rebuilds the label font and repaints.
  void SetBold(bool bold);
  void SetUnderline(bool underline);
  void SetHeight(int pixels);
  void SetFaceName(const QString& faceName);

  // Setting a text to open or a command makes the label a link.
  void SetOpenText(const QString& text);
  // A null target sends the command to the label's parent widget.
  void SetCommand(int id, QObject* target = nullptr);
  void SetLinked(bool linked);
  void SetTipText(const QString& text);

  bool IsLinked() const { return linked_; }
  bool IsHovering() const { return hovering_; }
  bool IsBackgroundOpaque() const { return opaque_; }
  QColor TextColour() const { return textColour_; }
  QColor HoverColour() const { return hoverColour_; }
  QColor BackgroundColour() const { return backgroundColour_; }
  // The colour the text is drawn in now.
  QColor ShownTextColour() const { return hovering_ ? hoverColour_ : textColour_; }
  std::optional<int> CommandIdentifier() const { return commandId_; }
  // The command a click sends, when one is set.
  std::optional<CommandValue> ClickCommand() const;
  CTipWindow* Tip() const { return tip_; }

  // Replaces the process's open action (tests); returns the previous one.
  static OpenHandler SetOpenHandler(OpenHandler handler);

 signals:
  // A linked label was clicked.
  void clicked();
  // The command sent for a click, as also posted to the target.
  void commandIssued(quint32 command);

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void ApplyFont();
  void ApplyColours();
  void SetHovering(bool hovering);
  void Activate();

  QFont labelFont_;
  QColor textColour_;
  QColor hoverColour_;
  QColor backgroundColour_;
  bool opaque_ = false;
  QString openText_;
  std::optional<int> commandId_;
  QPointer<QObject> commandTarget_;
  bool commandToParent_ = true;
  bool hovering_ = false;
  bool linked_ = false;
  bool pressed_ = false;
  CTipWindow* tip_;
};

}  // namespace nuvaro::ui
