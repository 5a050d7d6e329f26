// CColorButton: a push button that shows a colour and, when pressed, opens the palette
// of forty named colours below itself. Its parent learns the outcome through five
// signals, each carrying a colour (0x00BBGGRR, kNoColour for "no colour") and the
// button's control id:
//   selectionChanged   a palette cell became hot, or the chosen colour changed
//   droppedDown        the palette opened
//   closedUp           the palette closed
//   selectionEnded     the palette closed with a choice
//   selectionCancelled the palette closed without a choice
// On a choice the order is closedUp, selectionEnded, then selectionChanged when the
// colour differs from before; on a cancel closedUp, then selectionCancelled.
#pragma once

#include <QPointer>
#include <QPushButton>

#include "ui/controls/colour_popup.h"
#include "ui/controls/colour_value.h"

namespace nuvaro::ui {

class CColorButton : public QPushButton {
  Q_OBJECT

 public:
  explicit CColorButton(QWidget* parent = nullptr);
  explicit CColorButton(const QString& caption, QWidget* parent = nullptr);

  // Stores the colour and repaints at once.
  void SetColour(ColourRef colour);
  ColourRef Colour() const { return colour_; }
  // Painted while the colour is kNoColour; black until set.
  void SetDefaultColour(ColourRef colour);
  ColourRef DefaultColour() const { return defaultColour_; }
  // The colour the button shows.
  ColourRef ShownColour() const { return colour_ == kNoColour ? defaultColour_ : colour_; }

  // Captions of the palette's top row ("キャンセル") and bottom row ("その他の色");
  // an empty text leaves its row out.
  void SetDefaultText(const QString& text);
  void SetCustomText(const QString& text);
  QString DefaultText() const { return defaultText_; }
  QString CustomText() const { return customText_; }

  // When on, the button takes each colour the palette's selection passes over.
  void SetTrackSelection(bool track) { trackSelection_ = track; }
  bool TrackSelection() const { return trackSelection_; }

  // The id the signals carry, as a dialog's control id.
  void SetControlId(int id) { controlId_ = id; }
  int ControlId() const { return controlId_; }

  bool IsPopupOpen() const { return popupOpen_; }
  // The open palette, null when none.
  CColourPopup* Palette() const { return palette_; }

  // The dialog of "その他の色" for this button; an empty one uses the process's.
  void SetColourDialog(ColourDialog dialog) { dialog_ = std::move(dialog); }
  // Replaces the process's dialog (the platform's colour dialog); returns the old one.
  static ColourDialog SetDefaultColourDialog(ColourDialog dialog);

 signals:
  void selectionChanged(quint32 colour, int id);
  void droppedDown(quint32 colour, int id);
  void closedUp(quint32 colour, int id);
  void selectionEnded(quint32 colour, int id);
  void selectionCancelled(quint32 colour, int id);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void OpenPalette();
  void OnPaletteSelectionChanged(quint32 colour);
  void OnPaletteSelectionEnded(quint32 colour);
  void OnPaletteSelectionCancelled(quint32 colour);

  ColourRef colour_ = kNoColour;
  ColourRef defaultColour_ = 0;
  QString defaultText_;
  QString customText_;
  bool popupOpen_ = false;
  bool trackSelection_ = false;
  int controlId_ = 0;
  QPointer<CColourPopup> palette_;
  ColourDialog dialog_;
};

}  // namespace nuvaro::ui
