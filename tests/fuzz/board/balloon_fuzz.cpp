// Random faces, texts and screens through the balloon geometry: any two face positions
// give a clock direction 1 to 12 and a supported shape; a balloon for any text a
// plug-in can hand over (up to the 4 KB bound) is laid out with its text inside its
// ellipse inside its window, and placed on a screen it fits on entirely.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "board/balloon_geometry.h"
#include "core/plugin_text.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Takes the next value from the input, reduced to [low, high].
class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  int Next(int low, int high) {
    std::uint32_t raw = 0;
    for (int i = 0; i < 4 && at_ < size_; ++i) raw = raw << 8 | data_[at_++];
    return low + static_cast<int>(raw % static_cast<std::uint32_t>(high - low + 1));
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

bool Inside(const nuvaro::board::Rect& inner, const nuvaro::board::Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace board = nuvaro::board;
  Reader in(data, size);
  // The board is at most a few thousand pixels wide; faces lie on it.
  board::Point user{in.Next(-4000, 4000), in.Next(-4000, 4000)};
  board::Point other{in.Next(-4000, 4000), in.Next(-4000, 4000)};
  int last = in.Next(1, 12);
  int direction = board::ClockDirection(user, other, last);
  Check(direction >= 1 && direction <= 12 && last == direction);
  int shape = board::ShapeTypeForDirection(direction);

  int textBytes = in.Next(0, static_cast<int>(nuvaro::core::kPluginShortTextBytes));
  int perLine = board::BytesPerLine(textBytes);
  Check(perLine > 0);
  auto layout = board::LayOutBalloon(shape, textBytes, perLine, in.Next(1, 64), in.Next(1, 96));
  Check(layout.has_value());
  const board::Rect window{0, 0, layout->width, layout->height};
  Check(Inside(layout->ellipse, window));
  Check(Inside(layout->text, layout->ellipse));
  Check(layout->lines >= 1);

  board::Rect face{other.x, other.y, other.x + 100, other.y + 100};
  board::Point anchor = board::AnchorPoint(face, direction);
  board::Rect screen{in.Next(-2000, 2000), in.Next(-2000, 2000), 0, 0};
  screen.right = screen.left + in.Next(0, 8000);
  screen.bottom = screen.top + in.Next(0, 8000);
  board::Point at = board::PlaceBalloon(*layout, anchor, screen);
  if (layout->width <= screen.Width() && layout->height <= screen.Height()) {
    Check(Inside({at.x, at.y, at.x + layout->width, at.y + layout->height}, screen));
  }
  return 0;
}
