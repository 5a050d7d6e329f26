// Face strips of the picture buttons and the name plates: frames side by side,
// frame 0 normal, 1 pressed, 2 hover and focus (strips with five frames add a
// disabled face and an emphasised face, which the program does not draw).
#pragma once

#include <QImage>
#include <QSize>

namespace nuvaro::artgen {

enum class ButtonGlyph { None, ThisMonth, NextMonth, PreviousMonth };

// A strip of `frames` frames of `frameSize` each, with an optional glyph in the middle.
QImage DrawButtonStrip(QSize frameSize, int frames, ButtonGlyph glyph);

// The name plate under a face: normal, pressed and hover frames of 100 x 20.
QImage DrawNamePlateStrip();

}  // namespace nuvaro::artgen
