// The catalog of the program's pictures and cursors: for every resource number the
// windows use (bitmap 183, cursor 225 ...) and for the pictures without a number (the
// face strips, the trash box ...), where the picture lives in the Qt resources, how
// many frames it holds, the size of one frame and its transparent colour. Windows ask
// the catalog instead of naming files, so the artwork can change in one place.
#pragma once

#include <QColor>
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <span>
#include <string_view>

namespace nuvaro::artwork {

enum class ArtworkKind { Bitmap, Cursor };

struct ArtworkEntry {
  std::string_view key;     // stable name, e.g. "bitmap_183", "face_strip_7", "trash_box"
  ArtworkKind kind;
  int resourceNumber;       // the number the windows use; 0 for a picture without one
  std::string_view path;    // Qt resource path (":/nuvaro/artwork/...")
  int frameCount;           // frames side by side, from the left
  int frameWidth;
  int frameHeight;
  bool keyed;               // the picture paints `transparentColour` where it is transparent
  QRgb transparentColour;   // meaningful when keyed (pictures that are not keyed carry alpha)
  int hotSpotX;             // cursors: the pixel that points
  int hotSpotY;

  QSize FrameSize() const { return {frameWidth, frameHeight}; }
  QSize StripSize() const { return {frameWidth * frameCount, frameHeight}; }
  QString ResourcePath() const { return QString::fromLatin1(path.data(), static_cast<qsizetype>(path.size())); }
};

// Transparent colour of the face strips (magenta) and the mask of the chart's row images.
inline constexpr QRgb kFaceTransparentColour = 0xFFFF00FFu;
inline constexpr QRgb kChartMaskColour = 0xFFC0C0C0u;
// Face strips 0 to 10 of eleven 100 x 100 pictures each.
inline constexpr int kFaceStripCount = 11;

// Keys of the pictures that have no resource number.
inline constexpr std::string_view kTrashBoxKey = "trash_box";                 // frame 0 empty, 1 full
inline constexpr std::string_view kNamePlateKey = "name_plate";               // normal, pressed, hover
inline constexpr std::string_view kItemArrowPreviousKey = "item_arrow_previous";
inline constexpr std::string_view kItemArrowNextKey = "item_arrow_next";
inline constexpr std::string_view kChartRowImagesKey = "chart_row_images";    // man, woman
inline constexpr std::string_view kBarButtonKey = "bar_button";               // brand bar and menu bar
inline constexpr std::string_view kBoardToolbarButtonKey = "board_toolbar_button";

// Every entry of the catalog.
std::span<const ArtworkEntry> AllArtwork();

// The bitmap or cursor with a resource number; nullptr when there is none.
const ArtworkEntry* FindBitmap(int resourceNumber);
const ArtworkEntry* FindCursor(int resourceNumber);
// An entry by key; nullptr when unknown.
const ArtworkEntry* FindArtwork(std::string_view key);
// Face strip 0 to 10; nullptr outside.
const ArtworkEntry* FaceStrip(int strip);

// The whole picture as stored (the face strips stay 8-bit indexed); null when it
// cannot be read.
QImage LoadArtwork(const ArtworkEntry& entry);
// One frame as stored; null for a frame outside 0 .. frameCount - 1.
QImage LoadArtworkFrame(const ArtworkEntry& entry, int frame);
// One frame (or the whole strip for frame -1) ready to draw: a keyed picture has its
// transparent colour turned into real transparency. Null when it cannot be read.
QPixmap LoadDrawablePixmap(const ArtworkEntry& entry, int frame = -1);
// A cursor entry as a cursor with its hot spot; the arrow cursor when it cannot be read.
QCursor LoadArtworkCursor(const ArtworkEntry& entry);

// The application icon in all its sizes.
QIcon ApplicationIcon();
// Resource paths of the icon sizes, smallest first.
std::span<const std::string_view> ApplicationIconPaths();

}  // namespace nuvaro::artwork
