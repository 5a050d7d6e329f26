#include "ui/calendar/month_grid.h"

#include <QHelpEvent>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include "platform/core/local_clock.h"
#include "platform/qt/text_conversion.h"

namespace nuvaro::ui {

CMonthGrid::CMonthGrid(QWidget* parent) : QWidget(parent) {
  platform::LocalTime now = platform::GetLocalTime();
  year_ = static_cast<std::uint16_t>(now.year);
  month_ = static_cast<std::uint16_t>(now.month);
  day_ = static_cast<std::uint16_t>(now.day);
  settings_ = calendar::ReadCalendarSettings(calendar::CalendarIniFile());
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CMonthGrid::SetMonth(int year, int month) {
  year_ = static_cast<std::uint16_t>(year);
  month_ = static_cast<std::uint16_t>(month);
}

void CMonthGrid::SetNames(const std::string& surname, const std::string& givenName) {
  surname_ = surname;
  givenName_ = givenName;
}

MonthGridRequest CMonthGrid::Request() const {
  MonthGridRequest request;
  request.year = year_;
  request.month = month_;
  request.surname = surname_;
  request.givenName = givenName_;
  request.settings = settings_;
  request.engine = engine_ ? &*engine_ : nullptr;
  return request;
}

QImage CMonthGrid::RenderImage(qreal devicePixelRatio) {
  QImage image(size() * devicePixelRatio, QImage::Format_RGB32);
  image.setDevicePixelRatio(devicePixelRatio);
  QPainter painter(&image);
  lastDrawing_ = DrawMonthGrid(painter, rect(), Request(), 0);
  return image;
}

void CMonthGrid::paintEvent(QPaintEvent*) {
  ++paintCount_;
  // Drawn whole into an image first and copied in one step, so the grid never flickers.
  QImage image = RenderImage(devicePixelRatioF());
  QPainter painter(this);
  painter.drawImage(0, 0, image);
}

QString CMonthGrid::DayToolTip(const QPoint& at) const {
  const MonthGridDrawing& drawing = lastDrawing_;
  for (int day = 1; day <= drawing.layout.days; ++day) {
    const calendar::GridRect& cell = drawing.layout.DayCell(day).rect;
    if (at.x() < cell.left || at.x() >= cell.right || at.y() < cell.top || at.y() >= cell.bottom) continue;
    if (drawing.data.readings.size() < static_cast<std::size_t>(day)) return {};
    // What the cell shows, as the settings decide it, only whole.
    const int column = (drawing.layout.firstWeekday + day - 1) % calendar::kGridColumns;
    const calendar::DayCellContent content = calendar::DecideDayCell(drawing.data, settings_, day, column);
    QStringList parts;
    for (const std::string* text : {&content.reading, &content.almanac})
      if (!text->empty()) parts << platform::QStringFromCp932(*text);
    return parts.join(QLatin1Char('\n'));
  }
  return {};
}

bool CMonthGrid::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  const QString tip = DayToolTip(help->pos());
  if (tip.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), tip, this);
  }
  return true;
}

}  // namespace nuvaro::ui
