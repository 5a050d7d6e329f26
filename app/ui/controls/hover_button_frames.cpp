#include "ui/controls/hover_button_frames.h"

#include <algorithm>

namespace nuvaro::ui {

int ChooseHoverFrame(bool focused, bool pressed, bool hovering) {
  if (focused) return pressed ? kPressedFrame : kHoverFrame;
  return hovering ? kHoverFrame : kNormalFrame;
}

QRect StripGeometry::FrameRect(int frame) const {
  if (!IsUsable()) return {};
  int shown = std::clamp(frame, 0, frameCount - 1);
  return QRect(shown * frameWidth, 0, frameWidth, height);
}

StripGeometry MeasureStrip(const QSize& stripSize, int frameCount) {
  StripGeometry geometry;
  if (frameCount <= 0 || stripSize.width() <= 0 || stripSize.height() <= 0) return geometry;
  geometry.frameCount = frameCount;
  geometry.frameWidth = stripSize.width() / frameCount;
  geometry.height = stripSize.height();
  return geometry;
}

}  // namespace nuvaro::ui
