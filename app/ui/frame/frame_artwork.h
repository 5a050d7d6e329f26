// The pictures the main frame and the guide menu take from the program's artwork.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace nuvaro::ui {

// Frames per strip of the bars' hover buttons (normal, pressed, hover).
inline constexpr int kBarStripFrames = 3;

// The strip of the brand bar's and the menu bar's buttons.
QPixmap BarButtonStrip();
// The strip of the board toolbar's buttons.
QPixmap BoardToolbarButtonStrip();
// Picture 177: the picture beside each guide menu entry (32 x 32).
QPixmap GuideEntryPicture();
// Cursor 225: the hand over the guide menu's links.
QCursor HandCursor();
// The program's icon.
QIcon ApplicationIcon();

}  // namespace nuvaro::ui
