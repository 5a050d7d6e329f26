#include "board/balloon_window.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include "board/board_texts.h"
#include "core/core_texts.h"
#include "core/japanese_line_breaks.h"
#include "core/cp932_text.h"
#include "platform/core/message_sink.h"
#include "platform/qt/text_conversion.h"

namespace nuvaro::ui {
namespace {

QRect ToQRect(const board::Rect& rect) { return QRect(rect.left, rect.top, rect.Width(), rect.Height()); }

}  // namespace

CBalloonWnd::CBalloonWnd(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint |
                         Qt::WindowTransparentForInput) {
  // Clicks go through a balloon to whatever it covers (a face, a plate, a button).
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setFont(BalloonFont());
  hide();
}

QFont CBalloonWnd::BalloonFont(int pixelSize) {
  QFont font(platform::QStringFromCp932(core::texts::kDefaultNuvaroFontName));
  // The balloons ask for the same font face whatever the settings say; the fallbacks
  // carry the same half-width metrics where that face is not installed.
  font.setFamilies({platform::QStringFromCp932(core::texts::kDefaultNuvaroFontName), QStringLiteral("IPAMincho"),
                    QStringLiteral("IPAexMincho")});
  font.setPixelSize(pixelSize);
  font.setWeight(static_cast<QFont::Weight>(kBalloonFontWeight));
  return font;
}

QSize CBalloonWnd::SpaceSize(int pixelSize) {
  QFontMetrics metrics(BalloonFont(pixelSize));
  return QSize(metrics.horizontalAdvance(QLatin1Char(' ')), metrics.height());
}

QString CBalloonWnd::Text() const { return platform::QStringFromCp932(text_); }

bool CBalloonWnd::SetBalloon(std::string_view textCp932, const QColor& textColour, int perLine, int shapeType,
                             int fontPixelSize) {
  const QSize space = SpaceSize(fontPixelSize);
  std::vector<std::string> lines = core::BreakJapaneseLinesByBytes(textCp932, perLine);
  auto layout = board::LayOutBalloon(shapeType, static_cast<int>(textCp932.size()), perLine, space.width(),
                                     space.height(), static_cast<int>(lines.size()));
  if (!layout) {
    platform::ShowMessageBox(this, core::FormatNumber(board_texts::kUnsupportedDirectionFormat, shapeType),
                             core::texts::kApplicationTitle);
    return false;
  }
  text_ = std::string(textCp932);
  lines_ = std::move(lines);
  textColour_ = textColour;
  perLine_ = perLine;
  fontPixelSize_ = fontPixelSize;
  layout_ = *layout;

  body_ = QRegion(ToQRect(layout_.ellipse), QRegion::Ellipse);
  QPolygon triangle;
  for (const board::Point& point : layout_.pointer) triangle << QPoint(point.x, point.y);
  pointer_ = QRegion(triangle);
  outline_ = body_.united(pointer_);
  resize(layout_.width, layout_.height);
  if (outline_.isEmpty()) {
    platform::ShowMessageBox(this, board_texts::kRegionUnionFailed, core::texts::kApplicationTitle);
    clearMask();
  } else {
    setMask(outline_);
  }
  update();
  return true;
}

void CBalloonWnd::PlaceAt(QPoint anchor, const QRect& screen) {
  const board::Rect screenRect{screen.left(), screen.top(), screen.left() + screen.width(),
                               screen.top() + screen.height()};
  const board::Point topLeft = board::PlaceBalloon(layout_, {anchor.x(), anchor.y()}, screenRect);
  move(topLeft.x, topLeft.y);
}

QRegion CBalloonWnd::FrameRegion() const {
  // Inside points whose neighbours up to 2 pixels left and right and 1 pixel up and
  // down are inside too; the rest of the outline is the frame.
  QRegion inner = outline_;
  inner &= outline_.translated(kBalloonFrameWidth, 0);
  inner &= outline_.translated(-kBalloonFrameWidth, 0);
  inner &= outline_.translated(0, kBalloonFrameHeight);
  inner &= outline_.translated(0, -kBalloonFrameHeight);
  return outline_.subtracted(inner);
}

QPoint CBalloonWnd::TipGlobal() const {
  const board::Point tip = layout_.pointer[0];
  return pos() + QPoint(tip.x, tip.y);
}

void CBalloonWnd::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QRegion shape = outline_.isEmpty() ? QRegion(rect()) : outline_;
  painter.setClipRegion(shape);
  painter.fillRect(rect(), kBalloonBackColour);
  painter.setClipRegion(outline_.isEmpty() ? QRegion(rect()).subtracted(QRegion(rect().adjusted(2, 1, -2, -1)))
                                           : FrameRegion());
  painter.fillRect(rect(), textColour_);
  if (!outline_.isEmpty()) {
    // The window's shape is a pixel mask; inside it the frame's inner edge is traced
    // smooth: the ellipse and the pointer joined, stroked along the frame.
    painter.setClipRegion(outline_);
    QPainterPath body;
    body.addEllipse(QRectF(ToQRect(layout_.ellipse)).adjusted(1.25, 0.75, -1.25, -0.75));
    QPainterPath pointer;
    QPolygonF triangle;
    for (const board::Point& point : layout_.pointer) triangle << QPointF(point.x, point.y);
    pointer.addPolygon(triangle);
    pointer.closeSubpath();
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(textColour_, 1.5);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(body.united(pointer).simplified());
    painter.setRenderHint(QPainter::Antialiasing, false);
  }
  painter.setClipping(false);

  const QFont font = BalloonFont(fontPixelSize_);
  painter.setFont(font);
  painter.setPen(textColour_);
  painter.setBackgroundMode(Qt::TransparentMode);
  const QRect textRect = ToQRect(layout_.text);
  if (lines_.size() <= 1 && layout_.lines == 1) {
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, Text());
    return;
  }
  // Line by line from the top, as broken.
  const int lineHeight = QFontMetrics(font).height();
  int top = textRect.top();
  for (const std::string& line : lines_) {
    painter.drawText(QRect(textRect.left(), top, textRect.width() + lineHeight, lineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, platform::QStringFromCp932(line));
    top += lineHeight;
  }
}

}  // namespace nuvaro::ui
