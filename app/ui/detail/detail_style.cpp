#include "ui/detail/detail_style.h"

#include <array>

#include <QFontMetrics>
#include <QLabel>

#include "resources/artwork_catalog.h"
#include "ui/controls/hover_button.h"

namespace nuvaro::ui {
namespace {

constexpr int kBarStripFrames = 3;
constexpr int kItemLinePicture = 177;
constexpr int kHandCursor = 225;
constexpr std::array<int, 5> kItemBackgrounds = {129, 170, 171, 174, 172};

QPixmap Picture(const artwork::ArtworkEntry* entry) {
  return entry != nullptr ? artwork::LoadDrawablePixmap(*entry) : QPixmap();
}

}  // namespace

CHoverButton* MakeDetailButton(const QString& caption, QWidget* parent) {
  auto* button = new CHoverButton(caption, parent);
  button->LoadStrip(Picture(artwork::FindArtwork(artwork::kBarButtonKey)), kBarStripFrames);
  button->setCursor(LinkCursor());
  return button;
}

QPixmap ItemLinePicture() { return Picture(artwork::FindBitmap(kItemLinePicture)); }

QPixmap ItemArrowPicture(bool previous) {
  return Picture(artwork::FindArtwork(previous ? artwork::kItemArrowPreviousKey : artwork::kItemArrowNextKey));
}

QPixmap ItemBackground(int item) {
  if (item < 1 || item > static_cast<int>(kItemBackgrounds.size())) return {};
  return Picture(artwork::FindBitmap(kItemBackgrounds[static_cast<std::size_t>(item - 1)]));
}

QCursor LinkCursor() {
  const artwork::ArtworkEntry* entry = artwork::FindCursor(kHandCursor);
  return entry != nullptr ? artwork::LoadArtworkCursor(*entry) : QCursor(Qt::PointingHandCursor);
}

void SetElidedText(QLabel* label, const QString& text) {
  // The label's own margins and indent take their share of the width first.
  const int indent = label->indent() > 0 ? label->indent() : 0;
  const int width = label->contentsRect().width() - indent - 2 * label->margin();
  const QString shown = QFontMetrics(label->font()).elidedText(text, Qt::ElideRight, width);
  label->setText(shown);
  label->setToolTip(shown == text ? QString() : text);
}

}  // namespace nuvaro::ui
