#include "board/balloon_geometry.h"

#include <algorithm>
#include <cstdlib>

namespace nuvaro::board {
namespace {

// sqrt(2) / 2: the margin that lets an ellipse circumscribe the text rectangle.
constexpr double kHalfDiagonal = 0.7071085623775818;
constexpr int kMinTextWidth = 60;
constexpr int kMinTextHeight = 40;

int Margin(int extent) { return static_cast<int>(extent * 0.5 * kHalfDiagonal + 0.5); }

// Direction by quadrant and steepness r = 100 |dy| / |dx|.
int DirectionFromSteepness(bool left, bool above, int r) {
  int band = r <= 27 ? 0 : r <= 100 ? 1 : r <= 373 ? 2 : 3;
  static constexpr int kLeftAbove[] = {9, 10, 11, 12};
  static constexpr int kLeftBelow[] = {9, 8, 7, 6};
  static constexpr int kRightAbove[] = {3, 2, 1, 12};
  static constexpr int kRightBelow[] = {3, 4, 5, 6};
  if (left) return above ? kLeftAbove[band] : kLeftBelow[band];
  return above ? kRightAbove[band] : kRightBelow[band];
}

std::array<Point, 3> PointerTriangle(int shapeType, int ww, int wh) {
  switch (shapeType) {
    case 1: return {{{ww / 2 + 10, 0}, {ww / 2 + 5, 15}, {ww / 2 - 5, 15}}};
    case 11: return {{{ww / 2 - 10, 0}, {ww / 2 - 5, 15}, {ww / 2 + 5, 15}}};
    case 2: return {{{ww, wh / 2 + 10}, {ww - 15, wh / 2 - 5}, {ww - 15, wh / 2 + 5}}};
    case 4: return {{{ww, wh / 2 - 10}, {ww - 15, wh / 2 - 5}, {ww - 15, wh / 2 + 5}}};
    case 5: return {{{ww / 2 + 10, wh}, {ww / 2 + 5, wh - 15}, {ww / 2 - 5, wh - 15}}};
    case 7: return {{{ww / 2 - 10, wh}, {ww / 2 - 5, wh - 15}, {ww / 2 + 5, wh - 15}}};
    case 8: return {{{0, wh / 2 + 10}, {15, wh / 2 + 5}, {15, wh / 2 - 5}}};
    default: return {{{0, wh / 2 - 10}, {15, wh / 2 - 5}, {15, wh / 2 + 5}}};  // 10
  }
}

}  // namespace

int ClockDirection(Point user, Point other, int& lastDirection) {
  int dx = user.x - other.x;
  int dy = user.y - other.y;
  if (dx == 0 && dy == 0) return lastDirection;
  int steepness = 100 * std::abs(dy == 0 ? 1 : dy) / std::abs(dx == 0 ? 1 : dx);
  lastDirection = DirectionFromSteepness(dx >= 0, dy >= 0, steepness);
  return lastDirection;
}

int ShapeTypeForDirection(int direction) {
  if (direction <= 3) return 8;
  if (direction <= 6) return 10;
  if (direction <= 8) return 4;
  if (direction <= 10) return 2;
  return 5;
}

int BytesPerLine(int textBytes) { return textBytes > kLongTextBytes ? kLongLineBytes : kShortLineBytes; }

Point AnchorPoint(const Rect& face, int direction) {
  int height = face.bottom - face.top;
  if (direction <= 4) return {face.right, face.top + height / 2};
  if (direction <= 6) return {face.right, face.top + 3 * height / 4};
  if (direction <= 8) return {face.left, face.top + 3 * height / 4};
  if (direction <= 10) return {face.left, face.top + height / 2};
  return {face.left, face.top + height / 4};
}

std::optional<BalloonLayout> LayOutBalloon(int shapeType, int textBytes, int bytesPerLine, int spaceWidth,
                                           int spaceHeight, int brokenLines) {
  BalloonLayout layout;
  layout.shapeType = shapeType;
  int perLine = std::max(bytesPerLine, 1);
  layout.lines = std::max(textBytes / perLine + 1, brokenLines);
  int textWidth = std::max(spaceWidth * std::min(textBytes, perLine), kMinTextWidth);
  int textHeight = std::max(spaceHeight * layout.lines, kMinTextHeight);
  int mx = Margin(textWidth);
  int my = Margin(textHeight);
  int ew = 2 * mx + textWidth;
  int eh = 2 * my + textHeight;
  switch (shapeType) {
    case 1:
    case 11:
      layout.width = ew;
      layout.height = eh + kPointerLength;
      layout.ellipse = {0, kPointerLength, ew, eh + kPointerLength};
      layout.text = {mx, kPointerLength + my, ew - mx, eh + kPointerLength - my};
      break;
    case 2:
    case 4:
      layout.width = ew + kPointerLength;
      layout.height = eh;
      layout.ellipse = {0, 0, ew, eh};
      layout.text = {mx, my, ew - mx, eh - my};
      break;
    case 5:
    case 7:
      layout.width = ew;
      layout.height = eh + kPointerLength;
      layout.ellipse = {0, 0, ew, eh};
      layout.text = {mx, my, ew - mx, eh - my};
      break;
    case 8:
    case 10:
      layout.width = ew + kPointerLength;
      layout.height = eh;
      layout.ellipse = {kPointerLength, 0, ew + kPointerLength, eh};
      layout.text = {mx + kPointerLength, my, ew + kPointerLength - mx, eh - my};
      break;
    default:
      return std::nullopt;
  }
  layout.pointer = PointerTriangle(shapeType, layout.width, layout.height);
  return layout;
}

Point PlaceBalloon(const BalloonLayout& layout, Point anchor, const Rect& screen) {
  int ww = layout.width;
  int wh = layout.height;
  Point topLeft;
  switch (layout.shapeType) {
    case 1: topLeft = {anchor.x - ww / 2 - 10, anchor.y}; break;
    case 11: topLeft = {anchor.x - ww / 2 + 10, anchor.y}; break;
    case 2: topLeft = {anchor.x - ww, anchor.y - wh / 2 - 10}; break;
    case 4: topLeft = {anchor.x - ww, anchor.y - wh / 2 + 10}; break;
    case 5: topLeft = {anchor.x - ww / 2 - 10, anchor.y - wh}; break;
    case 7: topLeft = {anchor.x - ww / 2 + 10, anchor.y - wh}; break;
    case 8: topLeft = {anchor.x, anchor.y - wh / 2 - 10}; break;
    default: topLeft = {anchor.x, anchor.y - wh / 2 + 10}; break;  // 10
  }
  topLeft.x = std::max(topLeft.x, screen.left);
  topLeft.y = std::max(topLeft.y, screen.top);
  if (topLeft.x + ww > screen.right) topLeft.x = screen.right - ww;
  if (topLeft.y + wh > screen.bottom) topLeft.y = screen.bottom - wh;
  return topLeft;
}

Point DrawnAnchorPoint(const Rect& face, int direction, const FaceInsets& insets) {
  auto inset = [](int value, int most) { return std::clamp(value, 0, most); };
  Point anchor = AnchorPoint(face, direction);
  if (direction <= 4) anchor.x -= inset(insets.rightHalf, kMaxDrawnInsetHalf);
  else if (direction <= 6) anchor.x -= inset(insets.rightThreeQuarters, kMaxDrawnInsetThreeQuarters);
  else if (direction <= 8) anchor.x += inset(insets.leftThreeQuarters, kMaxDrawnInsetThreeQuarters);
  else if (direction <= 10) anchor.x += inset(insets.leftHalf, kMaxDrawnInsetHalf);
  else anchor.x += inset(insets.leftQuarter, kMaxDrawnInsetQuarter);
  return anchor;
}

bool EllipseOverlapsRect(const Rect& ellipse, const Rect& rect) {
  if (ellipse.Width() <= 0 || ellipse.Height() <= 0 || rect.Width() <= 0 || rect.Height() <= 0) return false;
  // Scaled so that the ellipse is the unit circle, the rectangle stays axis-aligned and
  // its point nearest to the centre decides.
  const double cx = (ellipse.left + ellipse.right) / 2.0;
  const double cy = (ellipse.top + ellipse.bottom) / 2.0;
  const double rx = ellipse.Width() / 2.0;
  const double ry = ellipse.Height() / 2.0;
  const double nearestX = std::clamp(cx, static_cast<double>(rect.left), static_cast<double>(rect.right));
  const double nearestY = std::clamp(cy, static_cast<double>(rect.top), static_cast<double>(rect.bottom));
  const double dx = (nearestX - cx) / rx;
  const double dy = (nearestY - cy) / ry;
  return dx * dx + dy * dy < 1.0;
}

int MirroredDirection(int direction, bool leftRight, bool topBottom) {
  int d = direction % 12;  // 12 as 0
  if (leftRight) d = (12 - d) % 12;
  if (topBottom) d = (18 - d) % 12;
  return d == 0 ? 12 : d;
}

std::optional<BalloonPlace> PlaceBalloonBesideFace(int direction, int textBytes, int bytesPerLine, int spaceWidth,
                                                   int spaceHeight, int brokenLines, const Rect& face,
                                                   const FaceInsets& insets, const Rect& board, const Rect& screen) {
  const Rect core{face.left + kFaceCoreInset, face.top + kFaceCoreInset, face.right - kFaceCoreInset,
                  face.bottom - kFaceCoreInset};
  std::optional<BalloonPlace> first;
  const bool mirrors[][2] = {{false, false}, {true, false}, {false, true}, {true, true}};
  for (const auto& mirror : mirrors) {
    BalloonPlace place;
    place.direction = MirroredDirection(direction, mirror[0], mirror[1]);
    auto layout = LayOutBalloon(ShapeTypeForDirection(place.direction), textBytes, bytesPerLine, spaceWidth,
                                spaceHeight, brokenLines);
    if (!layout) return std::nullopt;
    place.layout = *layout;
    place.anchor = DrawnAnchorPoint(face, place.direction, insets);
    // Inside the board on each axis where the balloon fits it, else on the screen.
    Rect bounds = board;
    if (layout->width > board.Width()) {
      bounds.left = screen.left;
      bounds.right = screen.right;
    }
    if (layout->height > board.Height()) {
      bounds.top = screen.top;
      bounds.bottom = screen.bottom;
    }
    place.topLeft = PlaceBalloon(place.layout, place.anchor, bounds);
    const Rect ellipse{place.topLeft.x + layout->ellipse.left, place.topLeft.y + layout->ellipse.top,
                       place.topLeft.x + layout->ellipse.right, place.topLeft.y + layout->ellipse.bottom};
    if (!EllipseOverlapsRect(ellipse, core)) return place;
    if (!first) first = place;
  }
  return first;
}

}  // namespace nuvaro::board
