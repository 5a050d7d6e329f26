#include "board/board_pictures.h"

#include <QImage>

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

board::FaceInsets BoardPictures::Insets(core::FacePicture picture) {
  auto found = insets_.find({picture.strip, picture.index});
  if (found != insets_.end()) return found->second;
  board::FaceInsets insets;
  const QImage image = Face(picture).toImage();
  if (!image.isNull()) {
    // The first drawn (not transparent) pixel of a row, from the left or from the right;
    // a row with nothing drawn keeps the largest inset.
    auto fromLeft = [&image](int y, int most) {
      for (int x = 0; x < image.width() && x <= most; ++x)
        if (qAlpha(image.pixel(x, y)) != 0) return x;
      return most;
    };
    auto fromRight = [&image](int y, int most) {
      for (int x = 0; x < image.width() && x <= most; ++x)
        if (qAlpha(image.pixel(image.width() - 1 - x, y)) != 0) return x;
      return most;
    };
    const int h = image.height();
    insets.leftQuarter = fromLeft(h / 4, board::kMaxDrawnInsetQuarter);
    insets.leftHalf = fromLeft(h / 2, board::kMaxDrawnInsetHalf);
    insets.rightHalf = fromRight(h / 2, board::kMaxDrawnInsetHalf);
    insets.leftThreeQuarters = fromLeft(3 * h / 4, board::kMaxDrawnInsetThreeQuarters);
    insets.rightThreeQuarters = fromRight(3 * h / 4, board::kMaxDrawnInsetThreeQuarters);
  }
  insets_.emplace(std::make_pair(picture.strip, picture.index), insets);
  return insets;
}

QPixmap BoardPictures::Trash(bool full) { return Load(artwork::kTrashBoxKey, full ? 1 : 0); }

QPixmap BoardPictures::Plate(PlateState state) { return Load(artwork::kNamePlateKey, static_cast<int>(state)); }

}  // namespace nuvaro::ui
