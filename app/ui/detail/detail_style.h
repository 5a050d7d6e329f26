// What the three detail dialogs share in looks: their colours, their picture buttons
// and the pictures they take from the program's artwork.
#pragma once

#include <QColor>
#include <QCursor>
#include <QPixmap>
#include <QString>

class QLabel;

namespace nuvaro::ui {

class CHoverButton;

// The contents dialog's title band and the item dialog's item label.
inline const QColor kTitleBandFrom{60, 179, 113};
inline const QColor kTitleBandTo{144, 238, 144};
inline const QColor kItemBandFrom{199, 21, 133};
inline const QColor kItemBandTo{255, 105, 180};
// The preview's text area.
inline const QColor kPreviewBackground{206, 221, 232};
// Item lines: their text and the colour under the mouse.
inline const QColor kItemLineColour{40, 90, 60};
inline const QColor kItemLineHoverColour{199, 21, 133};

// A button with the bars' picture face and a caption.
CHoverButton* MakeDetailButton(const QString& caption, QWidget* parent);
// Picture 177 (32 x 32), beside each item line of the contents dialog.
QPixmap ItemLinePicture();
// The arrows of the item dialog's previous and next lines.
QPixmap ItemArrowPicture(bool previous);
// The item dialog's background for item 1 to 5 (pictures 129, 170, 171, 174, 172);
// null outside.
QPixmap ItemBackground(int item);
// Cursor 225, the hand over links.
QCursor LinkCursor();
// Sets a one-line label's text, ending it with "…" when it is wider than the label
// (the full text then becomes its tool tip). Call once the label has its font and size.
void SetElidedText(QLabel* label, const QString& text);

}  // namespace nuvaro::ui
