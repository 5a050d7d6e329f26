// Printing the calendar: each month one landscape page with the year-month text, the
// title and the month grid scaled into its box. The printer is handed in, so the same
// code prints to a printer, to the print dialog's PDF printer or to a PDF file.
#pragma once

#include <QSize>

#include <vector>

#include "ui/calendar/month_grid_painter.h"

class QPainter;
class QPrinter;

namespace nuvaro::ui {

// Draws one page: the month of `request`, its grid drawn as if on a grid of
// `gridSize` pixels, mapped onto the page's box. The painter is on a page of
// `pageSize` device pixels.
void DrawCalendarPage(QPainter& painter, QSize pageSize, const MonthGridRequest& request, QSize gridSize);

// Sets the printer to landscape and names the document with the program's title, then
// prints one page per request. False when the printer cannot be started or a page
// cannot be finished (the document is then aborted).
bool PrintCalendarPages(QPrinter& printer, const std::vector<MonthGridRequest>& pages, QSize gridSize);

}  // namespace nuvaro::ui
