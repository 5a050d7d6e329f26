// Which face of a picture button's strip is shown, and where that face lies in the
// strip. A strip holds equal frames side by side: 0 normal, 1 pressed, 2 hover and
// focus; frames beyond 2 are never shown.
#pragma once

#include <QRect>
#include <QSize>

namespace nuvaro::ui {

inline constexpr int kNormalFrame = 0;
inline constexpr int kPressedFrame = 1;
inline constexpr int kHoverFrame = 2;

// With the focus: the hover face, or the pressed face while pressed. Without it:
// the hover face while the mouse rests on the button, else the normal face.
int ChooseHoverFrame(bool focused, bool pressed, bool hovering);

struct StripGeometry {
  int frameCount = 0;
  int frameWidth = 0;  // strip width / frame count, rounded down
  int height = 0;

  bool IsUsable() const { return frameCount > 0 && frameWidth > 0 && height > 0; }
  // The part of the strip holding a frame. A strip with fewer frames than asked for
  // shows its last frame instead of reading past its end.
  QRect FrameRect(int frame) const;
};

// Splits a strip of the given size into frames; unusable when the count is not
// positive or leaves frames without width.
StripGeometry MeasureStrip(const QSize& stripSize, int frameCount);

}  // namespace nuvaro::ui
