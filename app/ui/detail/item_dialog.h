// CItemDialog (403 x 371 dialog units): the detail reading one item at a time, items 1
// to 5, each on its own background picture. The item label ("●" + person name +
// caption) stands over a read-only text of the item's detail text; a line above leads
// to the previous item and a line below to the next one, each with its arrow, shown
// only when that item exists and has a caption. "戻る" returns to the contents dialog,
// "閉じる" closes the reading.
#pragma once

#include <QDialog>
#include <QPixmap>

#include "core/detail_composition.h"

class QLabel;
class QTextEdit;

namespace nuvaro::ui {

class CBandLabel;
class CHoverButton;
class CLinkLabel;

class CItemDialog : public QDialog {
  Q_OBJECT

 public:
  // What exec() answers for "閉じる": the contents dialog closes as well.
  static constexpr int kCloseAll = 2;
  // Command ids of the previous and next lines.
  static constexpr int kPreviousLineId = 1101;
  static constexpr int kNextLineId = 1102;

  CItemDialog(const core::DetailReading& reading, int item, QWidget* parent = nullptr);

  // Shows item k (1 to 5); any other item leaves the dialog as it is.
  void ShowItem(int k);
  int CurrentItem() const { return item_; }

  CBandLabel* ItemLabel() const { return label_; }
  QTextEdit* TextArea() const { return text_; }
  CLinkLabel* PreviousLine() const { return previous_; }
  CLinkLabel* NextLine() const { return next_; }
  QLabel* PreviousArrow() const { return previousArrow_; }
  QLabel* NextArrow() const { return nextArrow_; }
  const QPixmap& Background() const { return background_; }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QString LineText(int k) const;

  const core::DetailReading& reading_;
  int item_ = 0;
  QPixmap background_;
  CLinkLabel* previous_;
  QLabel* previousArrow_;
  CBandLabel* label_;
  QTextEdit* text_;
  CLinkLabel* next_;
  QLabel* nextArrow_;
  CHoverButton* back_;
  CHoverButton* close_;
};

}  // namespace nuvaro::ui
