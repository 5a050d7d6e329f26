// Where the detail reading is printed on a page, in twips (1/1440 inch): the whole
// page, narrowed by 1080 twips on the left and right when the page is wider than 3600
// twips, and by 1440 twips at the top and bottom when it is taller than 4320 twips.
// Plain computation, shared by the printing code and its tests.
#pragma once

namespace nuvaro::ui {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kSideMarginTwips = 1080;
inline constexpr int kSideMarginMinPageTwips = 3600;
inline constexpr int kTopBottomMarginTwips = 1440;
inline constexpr int kTopBottomMarginMinPageTwips = 4320;

struct TwipRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool operator==(const TwipRect&) const = default;
};

struct PrintArea {
  int pageWidth = 0;   // twips
  int pageHeight = 0;  // twips
  TwipRect area;       // the part of the page the text is laid out in

  bool operator==(const PrintArea&) const = default;
};

// From the physical page size in device pixels and the device's pixels per inch
// (integer divisions, as a device context reports them). A resolution of 0 or less
// gives an empty page.
PrintArea ComputePrintArea(int pageWidthPixels, int pageHeightPixels, int pixelsPerInchX, int pixelsPerInchY);

// Twips to device pixels at a resolution, rounded to the nearest pixel.
int TwipsToPixels(int twips, int pixelsPerInch);

}  // namespace nuvaro::ui
