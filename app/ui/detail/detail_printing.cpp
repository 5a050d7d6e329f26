#include "ui/detail/detail_printing.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRect>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "core/core_texts.h"
#include "detail/detail_ui_texts.h"
#include "platform/core/message_sink.h"
#include "platform/qt/text_conversion.h"
#include "ui/detail/detail_document.h"

namespace nuvaro::ui {
namespace {

PrintOutcome Tell(QWidget* parent, std::string_view message, PrintOutcome outcome) {
  platform::ShowMessageBox(parent, message, core::texts::kApplicationTitle);
  return outcome;
}

// Draws the lines the layout put on page `page` into the area. The layout moves a line
// that would not fit to the next page, so every line lies on one page; each is drawn
// there only (clipping alone would leave the other page's lines in a PDF's text).
void DrawPage(QPainter& painter, QTextDocument& document, const QRect& area, int page) {
  const qreal pageTop = static_cast<qreal>(page) * area.height();
  const qreal pageBottom = pageTop + area.height();
  painter.save();
  painter.translate(area.left(), area.top() - pageTop);
  painter.setPen(Qt::black);
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const QTextLayout* layout = block.layout();
    const QPointF origin = layout->position();
    for (int i = 0; i < layout->lineCount(); ++i) {
      const QTextLine line = layout->lineAt(i);
      const qreal top = origin.y() + line.y();
      if (top >= pageTop && top < pageBottom) line.draw(&painter, origin);
    }
  }
  painter.restore();
}

}  // namespace

PrintArea PrinterPrintArea(const QPrinter& printer) {
  const QRect paper = printer.pageLayout().fullRectPixels(printer.resolution());
  return ComputePrintArea(paper.width(), paper.height(), printer.logicalDpiX(), printer.logicalDpiY());
}

QRect PrintAreaPixels(const QPrinter& printer) {
  const TwipRect area = PrinterPrintArea(printer).area;
  const int dpiX = printer.logicalDpiX();
  const int dpiY = printer.logicalDpiY();
  const int left = TwipsToPixels(area.left, dpiX);
  const int top = TwipsToPixels(area.top, dpiY);
  return QRect(left, top, TwipsToPixels(area.right, dpiX) - left, TwipsToPixels(area.bottom, dpiY) - top);
}

PrintOutcome PrintDetailRuns(QPrinter& printer, const std::vector<core::DetailRun>& runs, QWidget* messageParent) {
  printer.setFullPage(true);  // the painter's origin is the paper's corner; margins are ours
  // A printer's queue shows the job by its name; a PDF keeps the name as its document
  // title, and there the reading's own title is what a reader looks for.
  const std::string title = core::ComposedTitleLine(runs);
  const bool toPdf = printer.outputFormat() == QPrinter::PdfFormat;
  printer.setDocName(platform::QStringFromCp932(toPdf && !title.empty() ? title : std::string(detail_texts::kPrintJobName)));
  const QRect area = PrintAreaPixels(printer);

  // The text is laid out with the printer's own metrics into pages of the print area.
  QTextDocument document;
  document.documentLayout()->setPaintDevice(&printer);
  document.setDocumentMargin(0);
  FillDetailDocument(document, runs);
  document.setPageSize(QSizeF(area.width(), area.height()));

  QPainter painter;
  if (area.isEmpty() || !painter.begin(&printer)) {
    return Tell(messageParent, detail_texts::kPrintJobNotStarted, PrintOutcome::JobNotStarted);
  }
  const int pages = document.pageCount();
  for (int page = 0; page < pages; ++page) {
    if (page > 0 && !printer.newPage()) {
      printer.abort();
      painter.end();
      return Tell(messageParent, detail_texts::kPrintFailed, PrintOutcome::Failed);
    }
    DrawPage(painter, document, area, page);
  }
  const bool ended = painter.end();
  if (!ended || printer.printerState() == QPrinter::Aborted || printer.printerState() == QPrinter::Error) {
    return Tell(messageParent, detail_texts::kPrintFailed, PrintOutcome::Failed);
  }
  return PrintOutcome::Printed;
}

void SetUpPrintDialog(QPrintDialog& dialog) {
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  // On this desktop the dialog offers printing to a file as its "Print to File (PDF)"
  // printer, and only while this option is on.
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
}

bool RunPlatformPrintDialog(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  SetUpPrintDialog(dialog);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace nuvaro::ui
