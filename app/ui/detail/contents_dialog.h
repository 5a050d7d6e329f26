// CContentsDialog (403 x 371 dialog units): the table of contents of one person's
// detail reading. The title band (hidden without a title), the explanation (hidden
// without one), seven item lines "person name + caption k" with picture 177 beside each
// (the picture hidden when the caption is empty), "印刷画面" for the print preview and
// "閉じる". Choosing line k opens the item dialog at item k; a line without a caption
// leads nowhere. A line too long for the dialog ends with "…".
#pragma once

#include <QDialog>

#include <array>
#include <functional>

#include "core/detail_composition.h"

class QLabel;
class QScrollArea;

namespace nuvaro::ui {

class CBandLabel;
class CHoverButton;
class CLinkLabel;

class CContentsDialog : public QDialog {
  Q_OBJECT

 public:
  // Command of item line k is kItemLineBaseId + k; "印刷画面" is command 237.
  static constexpr int kItemLineBaseId = 1000;
  static constexpr int kPreviewCommand = 237;

  // Opens the item dialog at an item modally and answers its exec() result; opens the
  // preview of the composed runs modally. Replaceable so tests never wait for a click.
  using ItemDialogRunner = std::function<int(const core::DetailReading& reading, int item, QWidget* parent)>;
  using PreviewRunner = std::function<void(const std::vector<core::DetailRun>& runs, QWidget* parent)>;

  explicit CContentsDialog(core::DetailReading reading, QWidget* parent = nullptr);

  void SetItemDialogRunner(ItemDialogRunner runner) { runItemDialog_ = std::move(runner); }
  void SetPreviewRunner(PreviewRunner runner) { runPreview_ = std::move(runner); }

  // Line k: the item dialog at item k (closing this dialog too when it was closed with
  // "閉じる"). "印刷画面": the preview.
  void OpenItem(int k);
  void OpenPreview();

  const core::DetailReading& Reading() const { return reading_; }
  CBandLabel* TitleLabel() const { return title_; }
  QLabel* Explanation() const { return explanation_; }
  // The panel the explanation scrolls in when it is longer than the panel.
  QScrollArea* ExplanationArea() const { return explanationArea_; }
  // Line and picture k (1 to 7); nullptr outside.
  CLinkLabel* ItemLine(int k) const;
  QLabel* ItemPicture(int k) const;
  CHoverButton* PreviewButton() const { return preview_; }
  CHoverButton* CloseButton() const { return close_; }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  core::DetailReading reading_;
  CBandLabel* title_;
  QScrollArea* explanationArea_;
  QLabel* explanation_;
  std::array<CLinkLabel*, core::kDetailItemsListed> lines_{};
  std::array<QLabel*, core::kDetailItemsListed> pictures_{};
  CHoverButton* preview_;
  CHoverButton* close_;
  ItemDialogRunner runItemDialog_;
  PreviewRunner runPreview_;
};

// The program's runners: CItemDialog and CPrintPreviewDialog, modal.
int RunItemDialog(const core::DetailReading& reading, int item, QWidget* parent);
void RunPrintPreview(const std::vector<core::DetailRun>& runs, QWidget* parent);

}  // namespace nuvaro::ui
