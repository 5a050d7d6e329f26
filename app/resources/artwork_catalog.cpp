#include "resources/artwork_catalog.h"

#include <array>

namespace nuvaro::artwork {
namespace {

constexpr ArtworkEntry Bitmap(std::string_view key, int number, std::string_view path, int frames, int width, int height) {
  return {key, ArtworkKind::Bitmap, number, path, frames, width, height, false, 0, 0, 0};
}

constexpr ArtworkEntry KeyedBitmap(std::string_view key, std::string_view path, int frames, int width, int height, QRgb key_colour) {
  return {key, ArtworkKind::Bitmap, 0, path, frames, width, height, true, key_colour, 0, 0};
}

constexpr ArtworkEntry FaceStripEntry(std::string_view key, std::string_view path) {
  return KeyedBitmap(key, path, 11, 100, 100, kFaceTransparentColour);
}

constexpr std::array kCatalog{
    // Face strips: strip 0 the unnamed face and the ten group portraits, strips 1 to 10
    // eleven expressions of one sex and age group each.
    FaceStripEntry("face_strip_0", ":/nuvaro/artwork/faces/face_strip_00_portraits.png"),
    FaceStripEntry("face_strip_1", ":/nuvaro/artwork/faces/face_strip_01_women_31_to_40.png"),
    FaceStripEntry("face_strip_2", ":/nuvaro/artwork/faces/face_strip_02_girls_up_to_10.png"),
    FaceStripEntry("face_strip_3", ":/nuvaro/artwork/faces/face_strip_03_women_11_to_30.png"),
    FaceStripEntry("face_strip_4", ":/nuvaro/artwork/faces/face_strip_04_men_over_50.png"),
    FaceStripEntry("face_strip_5", ":/nuvaro/artwork/faces/face_strip_05_women_over_50.png"),
    FaceStripEntry("face_strip_6", ":/nuvaro/artwork/faces/face_strip_06_boys_up_to_10.png"),
    FaceStripEntry("face_strip_7", ":/nuvaro/artwork/faces/face_strip_07_men_11_to_30.png"),
    FaceStripEntry("face_strip_8", ":/nuvaro/artwork/faces/face_strip_08_men_31_to_40.png"),
    FaceStripEntry("face_strip_9", ":/nuvaro/artwork/faces/face_strip_09_men_41_to_50.png"),
    FaceStripEntry("face_strip_10", ":/nuvaro/artwork/faces/face_strip_10_women_41_to_50.png"),
    // Board.
    Bitmap(kTrashBoxKey, 0, ":/nuvaro/artwork/board/trash_box_empty_full.png", 2, 58, 58),
    Bitmap(kNamePlateKey, 0, ":/nuvaro/artwork/board/name_plate_strip.png", 3, 100, 20),
    // Hover buttons of the calendar window.
    Bitmap("bitmap_183", 183, ":/nuvaro/artwork/calendar/button_183_plain_5_frames.png", 5, 58, 28),
    Bitmap("bitmap_187", 187, ":/nuvaro/artwork/calendar/button_187_this_month.png", 3, 43, 25),
    Bitmap("bitmap_188", 188, ":/nuvaro/artwork/calendar/button_188_next_month.png", 3, 28, 25),
    Bitmap("bitmap_189", 189, ":/nuvaro/artwork/calendar/button_189_previous_month.png", 3, 28, 25),
    // Day faces of the calendar cells and the colour page's sample.
    Bitmap("bitmap_200", 200, ":/nuvaro/artwork/calendar/day_face_200_gentle.png", 1, 16, 16),
    Bitmap("bitmap_201", 201, ":/nuvaro/artwork/calendar/day_face_201_happy.png", 1, 16, 16),
    Bitmap("bitmap_202", 202, ":/nuvaro/artwork/calendar/day_face_202_calm.png", 1, 16, 16),
    Bitmap("bitmap_203", 203, ":/nuvaro/artwork/calendar/day_face_203_surprised.png", 1, 16, 16),
    Bitmap("bitmap_204", 204, ":/nuvaro/artwork/calendar/day_face_204_confident.png", 1, 16, 16),
    Bitmap("bitmap_186", 186, ":/nuvaro/artwork/calendar/colour_page_sample_186.png", 1, 229, 170),
    // Guide menu entries and the contents dialog's item lines.
    Bitmap("bitmap_177", 177, ":/nuvaro/artwork/guide/guide_entry_177_crystal_ball.png", 1, 32, 32),
    // Item dialog: background of items 1 to 5 and the two arrows.
    Bitmap("bitmap_129", 129, ":/nuvaro/artwork/detail/item_background_129_item_1.png", 1, 604, 556),
    Bitmap("bitmap_170", 170, ":/nuvaro/artwork/detail/item_background_170_item_2.png", 1, 604, 556),
    Bitmap("bitmap_171", 171, ":/nuvaro/artwork/detail/item_background_171_item_3.png", 1, 604, 556),
    Bitmap("bitmap_174", 174, ":/nuvaro/artwork/detail/item_background_174_item_4.png", 1, 604, 556),
    Bitmap("bitmap_172", 172, ":/nuvaro/artwork/detail/item_background_172_item_5.png", 1, 604, 556),
    Bitmap(kItemArrowPreviousKey, 0, ":/nuvaro/artwork/detail/item_arrow_up_previous.png", 1, 24, 24),
    Bitmap(kItemArrowNextKey, 0, ":/nuvaro/artwork/detail/item_arrow_down_next.png", 1, 24, 24),
    // Percentage chart.
    KeyedBitmap(kChartRowImagesKey, ":/nuvaro/artwork/chart/chart_row_images.png", 2, 22, 22, kChartMaskColour),
    // Hover buttons of the main frame's bars.
    Bitmap(kBarButtonKey, 0, ":/nuvaro/artwork/bars/bar_button_strip.png", 3, 64, 26),
    Bitmap(kBoardToolbarButtonKey, 0, ":/nuvaro/artwork/bars/board_toolbar_button_strip.png", 3, 88, 30),
    // The hand cursor over links and guide entries.
    ArtworkEntry{"cursor_225", ArtworkKind::Cursor, 225, ":/nuvaro/artwork/cursors/hand_cursor_225.png", 1, 32, 32, false, 0, 10, 1},
};

constexpr std::array<std::string_view, 7> kIconPaths{
    ":/nuvaro/artwork/icon/nuvaro_16.png",  ":/nuvaro/artwork/icon/nuvaro_24.png",  ":/nuvaro/artwork/icon/nuvaro_32.png",
    ":/nuvaro/artwork/icon/nuvaro_48.png",  ":/nuvaro/artwork/icon/nuvaro_64.png",  ":/nuvaro/artwork/icon/nuvaro_128.png",
    ":/nuvaro/artwork/icon/nuvaro_256.png",
};

const ArtworkEntry* FindNumbered(ArtworkKind kind, int number) {
  if (number == 0) return nullptr;
  for (const ArtworkEntry& entry : kCatalog)
    if (entry.kind == kind && entry.resourceNumber == number) return &entry;
  return nullptr;
}

// A copy of the image with the key colour made fully transparent.
QImage KeyedToAlpha(const QImage& stored, QRgb key) {
  QImage result = stored.convertToFormat(QImage::Format_ARGB32);
  const QRgb opaqueKey = key | 0xFF000000u;
  for (int y = 0; y < result.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < result.width(); ++x)
      if ((line[x] | 0xFF000000u) == opaqueKey) line[x] = 0;
  }
  return result;
}

}  // namespace

std::span<const ArtworkEntry> AllArtwork() { return kCatalog; }

const ArtworkEntry* FindBitmap(int resourceNumber) { return FindNumbered(ArtworkKind::Bitmap, resourceNumber); }

const ArtworkEntry* FindCursor(int resourceNumber) { return FindNumbered(ArtworkKind::Cursor, resourceNumber); }

const ArtworkEntry* FindArtwork(std::string_view key) {
  for (const ArtworkEntry& entry : kCatalog)
    if (entry.key == key) return &entry;
  return nullptr;
}

const ArtworkEntry* FaceStrip(int strip) {
  if (strip < 0 || strip >= kFaceStripCount) return nullptr;
  return &kCatalog[static_cast<std::size_t>(strip)];
}

QImage LoadArtwork(const ArtworkEntry& entry) { return QImage(entry.ResourcePath()); }

QImage LoadArtworkFrame(const ArtworkEntry& entry, int frame) {
  if (frame < 0 || frame >= entry.frameCount) return {};
  const QImage strip = LoadArtwork(entry);
  if (strip.isNull()) return {};
  return strip.copy(frame * entry.frameWidth, 0, entry.frameWidth, entry.frameHeight);
}

QPixmap LoadDrawablePixmap(const ArtworkEntry& entry, int frame) {
  const QImage stored = frame < 0 ? LoadArtwork(entry) : LoadArtworkFrame(entry, frame);
  if (stored.isNull()) return {};
  return QPixmap::fromImage(entry.keyed ? KeyedToAlpha(stored, entry.transparentColour) : stored);
}

QCursor LoadArtworkCursor(const ArtworkEntry& entry) {
  const QPixmap picture = LoadDrawablePixmap(entry);
  if (picture.isNull()) return QCursor(Qt::ArrowCursor);
  return QCursor(picture, entry.hotSpotX, entry.hotSpotY);
}

QIcon ApplicationIcon() {
  QIcon icon;
  for (std::string_view path : kIconPaths) icon.addFile(QString::fromLatin1(path.data(), static_cast<qsizetype>(path.size())));
  return icon;
}

std::span<const std::string_view> ApplicationIconPaths() { return kIconPaths; }

}  // namespace nuvaro::artwork
