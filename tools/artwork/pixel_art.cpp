#include "pixel_art.h"

#include <QHash>

#include <initializer_list>
#include <utility>

namespace nuvaro::artgen {
namespace {

// A round face, 16 x 16: 'X' outline, 'y' face, 'h' highlight, '.' transparent.
const char* const kRoundFace[16] = {
    ".....XXXXXX.....",  //
    "...XXyyyyyyXX...",  //
    "..XhhyyyyyyyyX..",  //
    ".XhhyyyyyyyyyyX.",  //
    ".XhyyyyyyyyyyyX.",  //
    "XyyyyyyyyyyyyyyX",  //
    "XyyyyyyyyyyyyyyX",  //
    "XyyyyyyyyyyyyyyX",  //
    "XyyyyyyyyyyyyyyX",  //
    "XyyyyyyyyyyyyyyX",  //
    "XyyyyyyyyyyyyyyX",  //
    ".XyyyyyyyyyyyyX.",  //
    ".XyyyyyyyyyyyyX.",  //
    "..XyyyyyyyyyyX..",  //
    "...XXyyyyyyXX...",  //
    ".....XXXXXX.....",  //
};

using Pixels = std::initializer_list<std::pair<int, int>>;

struct Grid {
  char cells[16][17];
  Grid() {
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 17; ++x) cells[y][x] = x < 16 ? kRoundFace[y][x] : '\0';
  }
  void Set(Pixels pixels, char value) {
    for (auto [x, y] : pixels) cells[y][x] = value;
  }
  void Row(int y, int fromX, int toX, char value) {
    for (int x = fromX; x <= toX; ++x) cells[y][x] = value;
  }
};

QImage Render(const Grid& grid) {
  static const QHash<char, QRgb> kColours = {
      {'X', qRgb(150, 92, 24)},   {'y', qRgb(255, 212, 72)}, {'h', qRgb(255, 240, 176)}, {'k', qRgb(78, 48, 28)},
      {'r', qRgb(222, 64, 64)},   {'p', qRgb(255, 150, 140)}, {'w', qRgb(255, 255, 255)}, {'s', qRgb(255, 190, 40)},
  };
  QImage image(16, 16, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const char c = grid.cells[y][x];
      if (c != '.') image.setPixel(x, y, kColours.value(c, qRgb(255, 0, 0)));
    }
  return image;
}

}  // namespace

QImage DrawDayFace(int bitmapNumber) {
  Grid g;
  switch (bitmapNumber) {
    case 200:  // gentle: closed smiling eyes, soft smile, rosy cheeks
      g.Set({{4, 7}, {5, 6}, {6, 7}, {9, 7}, {10, 6}, {11, 7}}, 'k');
      g.Set({{5, 10}, {10, 10}}, 'k');
      g.Row(11, 6, 9, 'k');
      g.Set({{2, 9}, {3, 9}, {12, 9}, {13, 9}}, 'p');
      break;
    case 201:  // happy: open eyes and a wide open laugh
      g.Set({{5, 5}, {5, 6}, {5, 7}, {10, 5}, {10, 6}, {10, 7}}, 'k');
      g.Row(9, 4, 11, 'k');
      g.Set({{4, 10}, {11, 10}, {5, 11}, {10, 11}}, 'k');
      g.Row(10, 5, 10, 'r');
      g.Row(11, 6, 9, 'r');
      g.Row(12, 6, 9, 'k');
      g.Set({{2, 8}, {3, 8}, {12, 8}, {13, 8}}, 'p');
      break;
    case 203:  // surprised: wide eyes, raised brows, round mouth
      g.Set({{4, 3}, {5, 3}, {10, 3}, {11, 3}}, 'X');
      g.Set({{4, 5}, {5, 6}, {4, 6}, {4, 7}, {5, 7}, {10, 5}, {11, 6}, {10, 6}, {10, 7}, {11, 7}}, 'k');
      g.Set({{5, 5}, {11, 5}}, 'w');
      g.Row(10, 7, 8, 'k');
      g.Set({{6, 11}, {9, 11}, {6, 12}, {9, 12}}, 'k');
      g.Row(11, 7, 8, 'r');
      g.Row(12, 7, 8, 'r');
      g.Row(13, 7, 8, 'k');
      break;
    case 204:  // confident: firm brows, a grin
      g.Set({{3, 4}, {4, 4}, {5, 5}, {10, 5}, {11, 4}, {12, 4}}, 'k');
      g.Set({{5, 6}, {5, 7}, {10, 6}, {10, 7}}, 'k');
      g.Row(10, 4, 11, 'k');
      g.Set({{4, 11}, {11, 11}}, 'k');
      g.Row(11, 5, 10, 'w');
      g.Row(12, 5, 10, 'k');
      break;
    default:  // 202, calm: dot eyes, a small smile
      g.Set({{5, 6}, {5, 7}, {10, 6}, {10, 7}}, 'k');
      g.Set({{5, 10}, {10, 10}}, 'k');
      g.Row(11, 6, 9, 'k');
      break;
  }
  return Render(g);
}

QString DayFaceMood(int bitmapNumber) {
  switch (bitmapNumber) {
    case 200: return QStringLiteral("gentle");
    case 201: return QStringLiteral("happy");
    case 203: return QStringLiteral("surprised");
    case 204: return QStringLiteral("confident");
    default: return QStringLiteral("calm");
  }
}

}  // namespace nuvaro::artgen
