#include "board/board_pictures.h"

#include "core/core_texts.h"
#include "platform/core/message_sink.h"
#include "resources/artwork_catalog.h"

namespace nuvaro::ui {

BoardPictures& BoardPictures::Shared() {
  static BoardPictures pictures;
  return pictures;
}

QPixmap BoardPictures::Load(std::string_view key, int frame) {
  auto found = cache_.find({key, frame});
  if (found != cache_.end()) return found->second;
  QPixmap pixmap;
  if (const artwork::ArtworkEntry* entry = artwork::FindArtwork(key)) pixmap = artwork::LoadDrawablePixmap(*entry, frame);
  if (pixmap.isNull() && !failureTold_) {
    failureTold_ = true;
    platform::ShowMessageBox(nullptr, core::texts::kBitmapLoadFailed, core::texts::kApplicationTitle,
                             platform::MessageButtons::Ok, platform::MessageIcon::Error);
  }
  cache_.emplace(std::make_pair(key, frame), pixmap);
  return pixmap;
}

QPixmap BoardPictures::Face(core::FacePicture picture) {
  const artwork::ArtworkEntry* strip = artwork::FaceStrip(picture.strip);
  if (strip == nullptr || picture.index < 0 || picture.index >= strip->frameCount) return Load({}, -1);
  return Load(strip->key, picture.index);
}

QPixmap BoardPictures::Trash(bool full) { return Load(artwork::kTrashBoxKey, full ? 1 : 0); }

QPixmap BoardPictures::Plate(PlateState state) { return Load(artwork::kNamePlateKey, static_cast<int>(state)); }

}  // namespace nuvaro::ui
