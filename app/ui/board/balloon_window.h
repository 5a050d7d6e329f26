// CBalloonWnd: the whisper balloon of one face. A borderless pop-up owned by the board
// whose shape is an ellipse joined with a pointer triangle; white inside, framed in the
// text colour, with the text on one centred line or word-wrapped.
#pragma once

#include <QColor>
#include <QFont>
#include <QRegion>
#include <QWidget>

#include <string>
#include <string_view>
#include <vector>

#include "board/balloon_geometry.h"

namespace nuvaro::ui {

// Balloon colours: the text (and frame) of a man's and a woman's balloon, the fill.
inline const QColor kMaleBalloonColour{0, 0, 255};
inline const QColor kFemaleBalloonColour{204, 51, 51};
inline const QColor kBalloonBackColour{255, 255, 255};
inline constexpr int kBalloonFontHeight = 12;
inline constexpr int kBalloonFontWeight = 600;
// The frame is this wide on the left and right, this high at the top and bottom.
inline constexpr int kBalloonFrameWidth = 2;
inline constexpr int kBalloonFrameHeight = 1;

class CBalloonWnd : public QWidget {
  Q_OBJECT

 public:
  // A hidden balloon owned by the board (it stays above the board's window).
  explicit CBalloonWnd(QWidget* owner);

  // Sets the text (CP932), colour, bytes per line and shape type, lays the balloon out
  // with the font measured at its pixel size and gives the window its shape. An
  // unsupported shape type shows "%d 方向のヌヴァロは、サポートされていません" and
  // leaves the balloon as it was (answer false).
  bool SetBalloon(std::string_view textCp932, const QColor& textColour, int perLine, int shapeType,
                  int fontPixelSize = kBalloonFontHeight);

  // Moves the window so that the pointer's tip is on the anchor (global coordinates),
  // kept on the screen.
  void PlaceAt(QPoint anchor, const QRect& screen);

  // The text's lines as the balloon draws them (CP932), broken by the Japanese
  // line-breaking rules at the bytes per line.
  const std::vector<std::string>& LinesCp932() const { return lines_; }

  // What the balloon holds now.
  const std::string& TextCp932() const { return text_; }
  QString Text() const;
  QColor TextColour() const { return textColour_; }
  int PerLine() const { return perLine_; }
  int FontPixelSize() const { return fontPixelSize_; }
  int Lines() const { return layout_.lines; }
  int Shape() const { return layout_.shapeType; }
  const board::BalloonLayout& Layout() const { return layout_; }
  // Body (ellipse), pointer (triangle) and their union, in window coordinates.
  const QRegion& Body() const { return body_; }
  const QRegion& Pointer() const { return pointer_; }
  const QRegion& Outline() const { return outline_; }
  // The part of the outline painted in the text colour.
  QRegion FrameRegion() const;
  // The pointer's tip in global coordinates.
  QPoint TipGlobal() const;

  // The balloon font at a pixel size and the size of one half-width space in it.
  static QFont BalloonFont(int pixelSize = kBalloonFontHeight);
  static QSize SpaceSize(int pixelSize = kBalloonFontHeight);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::string text_;
  std::vector<std::string> lines_;
  QColor textColour_ = kMaleBalloonColour;
  int perLine_ = 8;
  int fontPixelSize_ = kBalloonFontHeight;
  board::BalloonLayout layout_;
  QRegion body_;
  QRegion pointer_;
  QRegion outline_;
};

}  // namespace nuvaro::ui
