#include "ui/controls/colour_palette.h"

namespace nuvaro::ui {

const std::array<NamedColour, kPaletteColourCount> ColourPalette = {{
    {0x000000, "黒"},
    {0x002AA5, "茶"},
    {0x404000, "オリーブ"},
    {0x005500, "濃い緑"},
    {0x5E0000, "濃い青緑"},
    {0x8B0000, "濃い青"},
    {0x82004B, "インディゴ"},
    {0x282828, "80% 灰色"},
    {0x00008B, "濃い赤"},
    {0x2068FF, "オレンジ"},
    {0x008B8B, "濃い黄"},
    {0x009300, "緑"},
    {0x8E8E38, "青緑"},
    {0xFF0000, "青"},
    {0xC07B7B, "ブルーグレー"},
    {0x7F7F7F, "50% 灰色"},
    {0x0000FF, "赤"},
    {0x5BADFF, "薄いオレンジ"},
    {0x32CD32, "ライム"},
    {0x71B33C, "シーグリーン"},
    {0xD4FF7F, "アクア"},
    {0xC09E7D, "薄い青"},
    {0x800080, "紫"},
    {0x999999, "40% 灰色"},
    {0xCBC0FF, "ピンク"},
    {0x00D7FF, "ゴールド"},
    {0x00FFFF, "黄"},
    {0x00FF00, "明るい緑"},
    {0xD0E040, "水色"},
    {0xFFFFC0, "スカイブルー"},
    {0x480048, "プラム"},
    {0xC0C0C0, "25% 灰色"},
    {0xE1E4FF, "ローズ"},
    {0x8CB4D2, "ベージュ"},
    {0xE0FFFF, "薄い黄"},
    {0x98FB98, "薄い緑"},
    {0xEEEEAF, "薄い水色"},
    {0x8B8368, "ペールブルー"},
    {0xFAE6E6, "ラベンダー"},
    {0xFFFFFF, "白"},
}};

int FindPaletteColour(ColourRef colour) {
  for (int i = 0; i < kPaletteColourCount; ++i) {
    if (ColourPalette[static_cast<std::size_t>(i)].colour == colour) return i;
  }
  return -1;
}

}  // namespace nuvaro::ui
