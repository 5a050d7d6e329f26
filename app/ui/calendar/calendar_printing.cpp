#include "ui/calendar/calendar_printing.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>

#include "calendar/calendar_page_layout.h"
#include "core/core_texts.h"
#include "platform/qt/text_conversion.h"
#include "ui/calendar/calendar_titles.h"

namespace nuvaro::ui {

void DrawCalendarPage(QPainter& painter, QSize pageSize, const MonthGridRequest& request, QSize gridSize) {
  calendar::CalendarPageLayout page = calendar::LayOutCalendarPage(pageSize.width(), pageSize.height());
  painter.save();
  QFont titleFont(QString::fromUtf8("ＭＳ ゴシック"));
  titleFont.setPixelSize(page.titleCharacterHeight > 0 ? page.titleCharacterHeight : 1);
  titleFont.setBold(true);
  painter.setFont(titleFont);
  painter.setPen(Qt::black);
  QFontMetrics metrics(titleFont, painter.device());
  QString yearMonth = platform::QStringFromCp932(YearMonthText(request.year, request.month));
  QPoint origin(page.titleOrigin.x, page.titleOrigin.y);
  painter.drawText(origin + QPoint(0, metrics.ascent()), yearMonth);
  if (!request.surname.empty() && !request.givenName.empty()) {
    QString title = platform::QStringFromCp932(CalendarTitleText(request.surname, request.givenName));
    painter.drawText(origin + QPoint(metrics.horizontalAdvance(yearMonth) + calendar::kPrintTitleGap, metrics.ascent()),
                     title);
  }

  QRect box(page.box.left, page.box.top, page.box.Width(), page.box.Height());
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(box.adjusted(0, 0, -1, -1));

  // The grid's own rectangle scaled onto the box, each axis on its own.
  painter.setClipRect(box);
  painter.translate(box.topLeft());
  painter.scale(static_cast<qreal>(box.width()) / gridSize.width(), static_cast<qreal>(box.height()) / gridSize.height());
  DrawMonthGrid(painter, QRect(QPoint(0, 0), gridSize), request, 1);
  painter.restore();
}

bool PrintCalendarPages(QPrinter& printer, const std::vector<MonthGridRequest>& pages, QSize gridSize) {
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(platform::QStringFromCp932(core::texts::kApplicationTitle));
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  QSize pageSize = printer.pageRect(QPrinter::DevicePixel).size().toSize();
  bool first = true;
  for (const MonthGridRequest& request : pages) {
    if (!first && !printer.newPage()) {
      printer.abort();
      painter.end();
      return false;
    }
    first = false;
    DrawCalendarPage(painter, pageSize, request, gridSize);
  }
  bool ended = painter.end();
  if (!ended || printer.printerState() == QPrinter::Error) {
    printer.abort();
    return false;
  }
  return true;
}

}  // namespace nuvaro::ui
