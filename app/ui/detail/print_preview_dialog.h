// CPrintPreviewDialog ("印刷プレビュー", 453 x 381 dialog units): the whole detail reading
// composed into one read-only rich text (title, explanation, every item under its
// heading, closing line) over a pale blue-grey, with "印刷" and "閉じる". Shortly after
// opening, the view jumps to the start of the text. "印刷" shows the print dialog and
// prints exactly the runs shown.
#pragma once

#include <QDialog>
#include <QPrinter>

#include <vector>

#include "core/detail_composition.h"
#include "ui/detail/detail_printing.h"

class QTextEdit;
class QTimer;

namespace nuvaro::ui {

class CHoverButton;

// The preview jumps to the start of its text this long after opening (timer 150).
inline constexpr int kPreviewJumpDelayMs = 200;

class CPrintPreviewDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CPrintPreviewDialog(std::vector<core::DetailRun> runs, QWidget* parent = nullptr);

  // Replaces the platform print dialog (tests set up the printer instead).
  void SetPrintDialogRunner(PrintDialogRunner runner) { runPrintDialog_ = std::move(runner); }

  // "印刷": the print dialog, then the print, unless cancelled.
  PrintOutcome Print();

  const std::vector<core::DetailRun>& Runs() const { return runs_; }
  QTextEdit* TextArea() const { return text_; }
  CHoverButton* PrintButton() const { return print_; }
  CHoverButton* CloseButton() const { return close_; }
  QPrinter& Printer() { return printer_; }

 private:
  void JumpToStart();

  std::vector<core::DetailRun> runs_;
  QTextEdit* text_;
  CHoverButton* print_;
  CHoverButton* close_;
  QTimer* jumpTimer_;
  QPrinter printer_{QPrinter::HighResolution};
  PrintDialogRunner runPrintDialog_ = RunPlatformPrintDialog;
};

}  // namespace nuvaro::ui
