#include "key_colour_image.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <unordered_map>
#include <vector>

namespace nuvaro::artgen {

QImage HardenOnKey(const QImage& drawn, QRgb key) {
  const QImage source = drawn.convertToFormat(QImage::Format_ARGB32);
  QImage result(source.size(), QImage::Format_RGB32);
  for (int y = 0; y < source.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < source.width(); ++x) {
      if (qAlpha(in[x]) < 128) {
        out[x] = key | 0xFF000000u;
        continue;
      }
      QRgb colour = qRgb(qRed(in[x]), qGreen(in[x]), qBlue(in[x]));
      if (colour == (key | 0xFF000000u)) colour = qRgb(std::max(qRed(key) - 1, 0), qGreen(key), std::max(qBlue(key) - 1, 0));
      out[x] = colour;
    }
  }
  return result;
}

namespace {

struct Box {
  std::vector<QRgb> colours;  // one entry per pixel, so large areas weigh more
};

int Channel(QRgb c, int channel) { return channel == 0 ? qRed(c) : channel == 1 ? qGreen(c) : qBlue(c); }

// The channel with the widest range in the box and that range.
std::pair<int, int> WidestChannel(const Box& box) {
  int best = 0, bestRange = -1;
  for (int channel = 0; channel < 3; ++channel) {
    int low = 255, high = 0;
    for (QRgb c : box.colours) {
      low = std::min(low, Channel(c, channel));
      high = std::max(high, Channel(c, channel));
    }
    if (high - low > bestRange) {
      bestRange = high - low;
      best = channel;
    }
  }
  return {best, bestRange};
}

QRgb Average(const Box& box) {
  long long r = 0, g = 0, b = 0;
  for (QRgb c : box.colours) {
    r += qRed(c);
    g += qGreen(c);
    b += qBlue(c);
  }
  const auto n = static_cast<long long>(box.colours.size());
  return qRgb(static_cast<int>((r + n / 2) / n), static_cast<int>((g + n / 2) / n), static_cast<int>((b + n / 2) / n));
}

int Distance(QRgb a, QRgb b) {
  const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
  return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

}  // namespace

QImage IndexedWithKey(const QImage& opaque, QRgb key) {
  const QImage source = opaque.convertToFormat(QImage::Format_RGB32);
  const QRgb opaqueKey = key | 0xFF000000u;

  // Distinct colours first: when there are few, keep them all exactly.
  std::vector<QRgb> pixels;
  std::unordered_map<QRgb, int> distinct;
  for (int y = 0; y < source.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    for (int x = 0; x < source.width(); ++x) {
      if (line[x] == opaqueKey) continue;
      pixels.push_back(line[x]);
      ++distinct[line[x]];
    }
  }

  QList<QRgb> palette{opaqueKey};
  if (distinct.size() <= 255) {
    for (const auto& [colour, count] : distinct) palette.push_back(colour);
  } else {
    std::vector<Box> boxes(1);
    boxes[0].colours = std::move(pixels);
    while (boxes.size() < 255) {
      // Split the box with the widest spread weighted by its size.
      std::size_t pick = boxes.size();
      long long pickScore = 0;
      int pickChannel = 0;
      for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i].colours.size() < 2) continue;
        auto [channel, range] = WidestChannel(boxes[i]);
        const long long score = static_cast<long long>(range) * static_cast<long long>(std::sqrt(boxes[i].colours.size()) + 1);
        if (range > 0 && score > pickScore) {
          pickScore = score;
          pick = i;
          pickChannel = channel;
        }
      }
      if (pick == boxes.size()) break;
      auto& colours = boxes[pick].colours;
      const auto middle = colours.begin() + static_cast<std::ptrdiff_t>(colours.size() / 2);
      std::nth_element(colours.begin(), middle, colours.end(),
                       [pickChannel](QRgb a, QRgb b) { return Channel(a, pickChannel) < Channel(b, pickChannel); });
      Box upper;
      upper.colours.assign(middle, colours.end());
      colours.erase(middle, colours.end());
      boxes.push_back(std::move(upper));
    }
    for (const Box& box : boxes) {
      QRgb colour = Average(box);
      if (colour == opaqueKey) colour = qRgb(254, 0, 254);
      palette.push_back(colour);
    }
  }

  QImage result(source.size(), QImage::Format_Indexed8);
  result.setColorTable(palette);
  std::unordered_map<QRgb, uchar> nearest;
  for (int y = 0; y < source.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    uchar* out = result.scanLine(y);
    for (int x = 0; x < source.width(); ++x) {
      if (line[x] == opaqueKey) {
        out[x] = 0;
        continue;
      }
      auto found = nearest.find(line[x]);
      if (found == nearest.end()) {
        int bestIndex = 1, bestDistance = INT32_MAX;
        for (int i = 1; i < palette.size(); ++i) {
          const int d = Distance(line[x], palette[i]);
          if (d < bestDistance) {
            bestDistance = d;
            bestIndex = i;
          }
        }
        found = nearest.emplace(line[x], static_cast<uchar>(bestIndex)).first;
      }
      out[x] = found->second;
    }
  }
  return result;
}

QImage KeyToAlpha(const QImage& stored, QRgb key) {
  QImage result = stored.convertToFormat(QImage::Format_ARGB32);
  const QRgb opaqueKey = key | 0xFF000000u;
  for (int y = 0; y < result.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < result.width(); ++x)
      if ((line[x] | 0xFF000000u) == opaqueKey) line[x] = 0;
  }
  return result;
}

}  // namespace nuvaro::artgen
