// Small pictures drawn pixel by pixel, where smoothing would blur them: the calendar's
// 16 x 16 day faces.
#pragma once

#include <QImage>
#include <QString>

namespace nuvaro::artgen {

// Day faces by bitmap number 200 to 204 (transparent background).
QImage DrawDayFace(int bitmapNumber);

// What the day face shows ("gentle", "happy" ...).
QString DayFaceMood(int bitmapNumber);

}  // namespace nuvaro::artgen
