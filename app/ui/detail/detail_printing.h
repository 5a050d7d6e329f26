// Printing the composed detail reading: the text is laid out into the print area of
// each page (the margins of print_area.h, no page numbers, nothing else added) page
// after page. The printer is handed in, so the preview prints on the printer the user
// chose in the print dialog and the command line and the tests print into a PDF file.
#pragma once

#include <functional>
#include <vector>

#include "core/detail_composition.h"
#include "ui/detail/print_area.h"

class QPrintDialog;
class QPrinter;
class QRect;
class QTextDocument;
class QWidget;

namespace nuvaro::ui {

enum class PrintOutcome {
  Printed,
  Cancelled,        // the print dialog was cancelled
  JobNotStarted,    // "印刷ｼﾞｮﾌﾞを開始できませんでした。" was shown
  Failed,           // a page failed or the job was aborted: "異常終了しました" was shown
};

// The print area of a printer's physical page in device pixels (the painter's origin
// at the paper's corner).
PrintArea PrinterPrintArea(const QPrinter& printer);
QRect PrintAreaPixels(const QPrinter& printer);

// Prints the runs on the printer as it is set up (no dialog), as the job "プレート印刷中"
// (into a PDF file: under the reading's title line).
// The failures show their message (through the platform's message boxes, over
// messageParent) and are answered.
PrintOutcome PrintDetailRuns(QPrinter& printer, const std::vector<core::DetailRun>& runs,
                             QWidget* messageParent = nullptr);

// Shows a print dialog for the printer; true when the user chose to print.
using PrintDialogRunner = std::function<bool(QPrinter& printer, QWidget* parent)>;

// The platform's print dialog without page-range, current-page and selection choices.
// Printing to a file stays available: on this desktop it is the dialog's
// "Print to File (PDF)" printer.
bool RunPlatformPrintDialog(QPrinter& printer, QWidget* parent);
// The choices RunPlatformPrintDialog sets on its dialog.
void SetUpPrintDialog(QPrintDialog& dialog);

}  // namespace nuvaro::ui
