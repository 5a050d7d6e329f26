// The single pictures of the program: trash box, guide entry picture, hand cursor,
// the calendar colour page's sample, the detail dialog's backgrounds and arrows, the
// chart's row images and the application icon.
#pragma once

#include <QImage>
#include <QPoint>

namespace nuvaro::artgen {

// Trash box, empty (frame 0) and full (frame 1), 58 x 58 each, side by side.
QImage DrawTrashBoxStrip();

// Guide menu entry picture, 32 x 32: a crystal ball.
QImage DrawGuideEntryPicture();

// Pointing hand cursor, 32 x 32, and where its fingertip is.
QImage DrawHandCursor();
QPoint HandCursorHotSpot();

// Sample of a month grid in the default colours, 229 x 170, for the colour page.
QImage DrawCalendarColourSample();

// Background of the detail item dialog, item 1 to 5, in its own colour theme.
QImage DrawItemBackground(int item);
inline constexpr int kItemBackgroundWidth = 604;
inline constexpr int kItemBackgroundHeight = 556;

// Arrow badges of the item dialog's previous (up) and next (down) lines, 24 x 24.
QImage DrawItemArrow(bool up);

// Row images of the percentage chart: a man and a woman, 22 x 22 each, on transparent.
QImage DrawChartRowImages();

// The application icon at one size (square).
QImage DrawApplicationIcon(int size);

}  // namespace nuvaro::artgen
