// CColourPopup: the palette window a colour button opens below itself: a top text row
// ("no colour"), forty named colour cells and a bottom text row that opens the colour
// dialog. It holds the mouse while open, follows the mouse and the arrow keys, and
// ends with or without a choice; then it reports the colour and deletes itself.
#pragma once

#include <QColor>
#include <QWidget>

#include <functional>
#include <optional>

#include "ui/controls/colour_value.h"
#include "ui/controls/palette_layout.h"
#include "ui/controls/palette_navigation.h"

class QPainter;

namespace nuvaro::ui {

// Asks the user for any colour, starting at the given one; nullopt when cancelled.
using ColourDialog = std::function<std::optional<QColor>(QWidget* parent, const QColor& initial)>;

class CColourPopup : public QWidget {
  Q_OBJECT

 public:
  // The owner is the colour button; the dialog runs for a choice on the bottom row.
  CColourPopup(QWidget* owner, ColourRef openingColour, const QString& topText, const QString& bottomText,
               ColourDialog dialog);

  // Width of the raised and sunken edges, the palette's margin.
  static int EdgeWidth();

  // Shows the palette below the button (global rectangle), kept on the screen.
  void Popup(const QRect& buttonGlobal, const QRect& screen);

  const PaletteLayout& Layout() const { return layout_; }
  int HotCell() const { return hotCell_; }
  int CurrentCell() const { return currentCell_; }
  ColourRef OpeningColour() const { return openingColour_; }
  ColourRef ResultColour() const { return resultColour_; }

 signals:
  // A cell became hot: its colour, "no colour" for the top row, the opening colour
  // for the bottom row.
  void selectionChanged(quint32 colour);
  void selectionEnded(quint32 colour);
  void selectionCancelled(quint32 colour);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void SetHotCell(int cell);
  void End(bool withChoice);
  void PaintColourCell(QPainter& painter, int cell) const;
  void PaintTextRow(QPainter& painter, int row, const QString& text) const;
  void PaintEdge(QPainter& painter, const QRect& rect, int cell) const;

  ColourRef openingColour_;
  ColourRef resultColour_;
  QString topText_;
  QString bottomText_;
  ColourDialog dialog_;
  PaletteLayout layout_;
  PaletteNavigator navigator_;
  int hotCell_ = kPaletteNoCell;
  int currentCell_ = kPaletteNoCell;
  bool ended_ = false;
};

}  // namespace nuvaro::ui
