// Turning drawn (antialiased, alpha) artwork into the stored forms: opaque pictures
// whose transparent parts carry a key colour, optionally reduced to 8 bits per pixel.
#pragma once

#include <QImage>

namespace nuvaro::artgen {

// Opaque copy of an ARGB picture: pixels less than half covered become the key colour,
// the others keep their colour at full opacity (so no key-coloured fringe is left
// around the outlines). A drawn colour equal to the key is nudged off it by one step.
QImage HardenOnKey(const QImage& drawn, QRgb key);

// 8-bit indexed copy of an opaque picture: palette entry 0 is the key colour (exactly),
// the other colours are reduced to at most 255 by median cut and mapped to the nearest.
QImage IndexedWithKey(const QImage& opaque, QRgb key);

// Preview helper: the key colour made transparent again.
QImage KeyToAlpha(const QImage& stored, QRgb key);

}  // namespace nuvaro::artgen
