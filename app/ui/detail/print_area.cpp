#include "ui/detail/print_area.h"

#include <cstdint>

namespace nuvaro::ui {
namespace {

int PixelsToTwips(int pixels, int pixelsPerInch) {
  if (pixelsPerInch <= 0) return 0;
  return static_cast<int>(static_cast<std::int64_t>(pixels) * kTwipsPerInch / pixelsPerInch);
}

}  // namespace

PrintArea ComputePrintArea(int pageWidthPixels, int pageHeightPixels, int pixelsPerInchX, int pixelsPerInchY) {
  PrintArea print;
  print.pageWidth = PixelsToTwips(pageWidthPixels, pixelsPerInchX);
  print.pageHeight = PixelsToTwips(pageHeightPixels, pixelsPerInchY);
  print.area = {0, 0, print.pageWidth, print.pageHeight};
  if (print.pageWidth > kSideMarginMinPageTwips) {
    print.area.left += kSideMarginTwips;
    print.area.right -= kSideMarginTwips;
  }
  if (print.pageHeight > kTopBottomMarginMinPageTwips) {
    print.area.top += kTopBottomMarginTwips;
    print.area.bottom -= kTopBottomMarginTwips;
  }
  return print;
}

int TwipsToPixels(int twips, int pixelsPerInch) {
  const std::int64_t scaled = static_cast<std::int64_t>(twips) * pixelsPerInch;
  const std::int64_t half = kTwipsPerInch / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / kTwipsPerInch : -((-scaled + half) / kTwipsPerInch));
}

}  // namespace nuvaro::ui
