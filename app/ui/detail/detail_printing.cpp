#include "ui/detail/detail_printing.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRect>
#include <QTextDocument>

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

// Draws the slice of the laid-out document that falls on page `page` into the area.
void DrawPage(QPainter& painter, QTextDocument& document, const QRect& area, int page) {
  const QRectF slice(0, static_cast<qreal>(page) * area.height(), area.width(), area.height());
  painter.save();
  painter.translate(area.left(), area.top() - slice.top());
  painter.setClipRect(slice);
  QAbstractTextDocumentLayout::PaintContext context;
  context.clip = slice;
  context.palette.setColor(QPalette::Text, Qt::black);
  document.documentLayout()->draw(&painter, context);
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
  printer.setDocName(platform::QStringFromCp932(detail_texts::kPrintJobName));
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

bool RunPlatformPrintDialog(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace nuvaro::ui
