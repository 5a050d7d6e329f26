#include "ui/frame/frame_artwork.h"

#include "resources/artwork_catalog.h"

namespace nuvaro::ui {
namespace {

constexpr int kGuideEntryPictureNumber = 177;
constexpr int kHandCursorNumber = 225;

QPixmap Drawable(const artwork::ArtworkEntry* entry) {
  return entry != nullptr ? artwork::LoadDrawablePixmap(*entry) : QPixmap();
}

}  // namespace

QPixmap BarButtonStrip() { return Drawable(artwork::FindArtwork(artwork::kBarButtonKey)); }

QPixmap BoardToolbarButtonStrip() { return Drawable(artwork::FindArtwork(artwork::kBoardToolbarButtonKey)); }

QPixmap GuideEntryPicture() { return Drawable(artwork::FindBitmap(kGuideEntryPictureNumber)); }

QCursor HandCursor() {
  const artwork::ArtworkEntry* entry = artwork::FindCursor(kHandCursorNumber);
  return entry != nullptr ? artwork::LoadArtworkCursor(*entry) : QCursor(Qt::PointingHandCursor);
}

QIcon ApplicationIcon() { return artwork::ApplicationIcon(); }

}  // namespace nuvaro::ui
