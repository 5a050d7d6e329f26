#include "ui/calendar/month_grid.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>

#include "platform/core/local_clock.h"

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

}  // namespace nuvaro::ui
