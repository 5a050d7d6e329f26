#include "ui/calendar/month_grid_painter.h"

#include <QFontMetrics>
#include <QPen>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "calendar/calendar_window_texts.h"
#include "core/japanese_line_breaks.h"
#include "platform/core/local_clock.h"
#include "platform/qt/text_conversion.h"
#include "resources/artwork_catalog.h"
#include "ui/controls/colour_value.h"

namespace nuvaro::ui {

namespace {

using calendar::GridRect;

const QString& GothicFace() {
  static const QString face = QString::fromUtf8("ＭＳ ゴシック");
  return face;
}

const QString& DayNumberFace() {
  static const QString face = QStringLiteral("Times New Roman");
  return face;
}

QFont MakeGridFont(const QString& face, int characterHeight, int weight) {
  QFont font(face);
  font.setPixelSize(characterHeight);
  font.setWeight(static_cast<QFont::Weight>(weight));
  // Sharp, even strokes at the small sizes of the cells.
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

// A font with its metrics. A drawing asks for the same few fonts in every cell: each is
// made once per drawing.
struct GridFontEntry {
  QFont font;
  QFontMetrics metrics;
};
class GridFonts {
 public:
  const GridFontEntry& Get(const QString& face, int characterHeight, int weight) {
    auto key = std::make_tuple(face, characterHeight, weight);
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
      QFont font = MakeGridFont(face, characterHeight, weight);
      found = fonts_.emplace(key, GridFontEntry{font, QFontMetrics(font)}).first;
    }
    return found->second;
  }

 private:
  std::map<std::tuple<QString, int, int>, GridFontEntry> fonts_;
};

QRect ToQRect(const GridRect& rect) { return QRect(rect.left, rect.top, rect.Width(), rect.Height()); }

QColor Colour(std::int32_t value) { return ToQColor(static_cast<ColourRef>(value)); }

// A single-line text in a rectangle, vertically centred, clipped to the rectangle;
// nothing for an empty text or a rectangle too small for any font. The character
// height follows the rectangle's height; a text wider than `fitWidth` at that height is
// set smaller until it fits, so no label loses its beginning or end to the cell's edge.
void DrawLabel(QPainter& painter, GridFonts& fonts, const GridRect& rect, const std::string& cp932,
               const QString& face, int weight, Qt::Alignment horizontal, std::int32_t colour, int fitWidth) {
  int height = calendar::LabelCharacterHeight(rect);
  if (cp932.empty() || height <= 0) return;
  QString text = platform::QStringFromCp932(cp932);
  const GridFontEntry* font = &fonts.Get(face, height, weight);
  int width = font->metrics.horizontalAdvance(text);
  if (width > fitWidth && fitWidth > 0) font = &fonts.Get(face, std::max(1, height * fitWidth / width), weight);
  painter.save();
  painter.setClipRect(ToQRect(rect), Qt::IntersectClip);
  painter.setFont(font->font);
  painter.setPen(Colour(colour));
  painter.drawText(ToQRect(rect), static_cast<int>(horizontal | Qt::AlignVCenter | Qt::TextSingleLine), text);
  painter.restore();
}

void DrawLabel(QPainter& painter, GridFonts& fonts, const GridRect& rect, const std::string& cp932,
               const QString& face, int weight, Qt::Alignment horizontal, std::int32_t colour) {
  DrawLabel(painter, fonts, rect, cp932, face, weight, horizontal, colour, rect.Width());
}

// The reading, word-wrapped from the rectangle's top, clipped to it; its lines end above
// `linesBottom` (the almanac line of the cell may take the rectangle's foot).
void DrawReading(QPainter& painter, GridFonts& fonts, const GridRect& rect, const std::string& cp932,
                 std::int32_t colour, int linesBottom) {
  int height = calendar::ReadingCharacterHeight(rect);
  if (cp932.empty() || height <= 0) return;
  const GridFontEntry& font = fonts.Get(GothicFace(), height, QFont::Normal);
  const QFontMetrics& metrics = font.metrics;
  painter.save();
  painter.setClipRect(ToQRect(rect), Qt::IntersectClip);
  painter.setFont(font.font);
  painter.setPen(Colour(colour));
  // Broken by the same Japanese line-breaking rules as the board's balloons.
  const core::CharacterWidth width = [&metrics](std::string_view c) {
    return metrics.horizontalAdvance(platform::QStringFromCp932(c));
  };
  // Whole lines only: the lines the cell cannot hold are left out rather than cut in
  // half, and the last one shown then ends in "…" (the first line is drawn in any case).
  const int room = std::max(1, (linesBottom - rect.top) / std::max(1, metrics.height()));
  const std::vector<std::string> lines = core::KeepLinesWithEllipsis(
      core::BreakJapaneseLines(cp932, rect.Width(), width), static_cast<std::size_t>(room), rect.Width(), width);
  int y = rect.top;
  for (const std::string& line : lines) {
    painter.drawText(QRect(rect.left, y, rect.Width(), metrics.height()),
                     static_cast<int>(Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine),
                     platform::QStringFromCp932(line));
    y += metrics.height();
  }
  painter.restore();
}

// Day faces, loaded once for the process (pictures only; nothing of a reading is kept).
const QPixmap& DayFace(int bitmap) {
  static std::array<QPixmap, 5> faces;
  static bool loaded = false;
  if (!loaded) {
    for (int i = 0; i < 5; ++i) {
      if (const artwork::ArtworkEntry* entry = artwork::FindBitmap(200 + i)) faces[i] = artwork::LoadDrawablePixmap(*entry);
    }
    loaded = true;
  }
  return faces[static_cast<std::size_t>(bitmap - 200)];
}

// An etched edge: a sunken outer line and a raised inner line.
void DrawEtchedEdge(QPainter& painter, const QRect& rect) {
  const QColor shadow(160, 160, 160);
  const QColor light(255, 255, 255);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  int l = rect.left(), t = rect.top(), r = rect.right(), b = rect.bottom();
  auto frame = [&painter](int x0, int y0, int x1, int y1, const QColor& topLeft, const QColor& bottomRight) {
    painter.setPen(QPen(topLeft, 1));
    painter.drawLine(x0, y0, x1, y0);
    painter.drawLine(x0, y0, x0, y1);
    painter.setPen(QPen(bottomRight, 1));
    painter.drawLine(x0, y1, x1, y1);
    painter.drawLine(x1, y0, x1, y1);
  };
  frame(l, t, r - 1, b - 1, shadow, light);
  frame(l + 1, t + 1, r, b, light, shadow);
  painter.restore();
}

const std::array<std::string_view, 7>& WeekdayNames() {
  static const std::array<std::string_view, 7> names = {calendar_texts::kSunday,   calendar_texts::kMonday,
                                                        calendar_texts::kTuesday,  calendar_texts::kWednesday,
                                                        calendar_texts::kThursday, calendar_texts::kFriday,
                                                        calendar_texts::kSaturday};
  return names;
}

}  // namespace

MonthGridDrawing DrawMonthGrid(QPainter& painter, const QRect& target, const MonthGridRequest& request, int printFlag) {
  MonthGridDrawing drawing;
  const calendar::CalendarSettings& s = request.settings;
  drawing.data = calendar::GatherMonth(request.year, request.month, request.surname, request.givenName,
                                       request.engine,
                                       request.sources ? *request.sources : calendar::MonthSourcesFor(s.choices));
  const GridRect rect{target.left(), target.top(), target.left() + target.width(), target.top() + target.height()};
  drawing.layout = calendar::LayOutMonth(request.year, request.month, rect);
  const calendar::MonthGridLayout& layout = drawing.layout;

  GridFonts fonts;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setBackgroundMode(Qt::TransparentMode);
  painter.fillRect(target, Colour(s.background));

  // Grid lines: the 2-pixel line along each cell's bottom, the 1-pixel line on its right.
  QPen thick(Colour(s.frame), 2, Qt::SolidLine, Qt::FlatCap);
  QPen thin(Colour(s.frame), 1, Qt::SolidLine, Qt::FlatCap);
  for (const calendar::MonthCell& cell : layout.cells) {
    if (!cell.laidOut) continue;
    painter.setPen(thick);
    painter.drawLine(cell.rect.left + 3, cell.rect.bottom, cell.rect.right, cell.rect.bottom);
    painter.setPen(thin);
    painter.drawLine(cell.rect.right, cell.rect.top + 3, cell.rect.right, cell.rect.bottom);
  }

  if (printFlag == 0) {
    platform::LocalTime now = platform::GetLocalTime();
    if (now.year == request.year && now.month == request.month && now.day >= 1 && now.day <= layout.days) {
      drawing.todayDay = now.day;
      painter.fillRect(ToQRect(layout.DayCell(now.day).rect), Colour(static_cast<std::int32_t>(kTodayFill)));
    }
  }

  for (int column = 0; column < calendar::kGridColumns; ++column) {
    GridRect box = calendar::HeaderBox(layout, column);
    box.top += rect.top;
    box.bottom += rect.top;
    bool sunday = column == 0;
    painter.fillRect(ToQRect(box), Colour(sunday ? s.holidayBackground : s.weekBackground));
    DrawLabel(painter, fonts, box, std::string(WeekdayNames()[static_cast<std::size_t>(column)]), GothicFace(), QFont::Bold,
              Qt::AlignHCenter, sunday ? s.holiday : s.week);
  }

  for (int day = 1; day <= layout.days; ++day) {
    const calendar::MonthCell& cell = layout.DayCell(day);
    int column = (layout.firstWeekday + day - 1) % calendar::kGridColumns;
    calendar::DayCellContent content = calendar::DecideDayCell(drawing.data, s, day, column);
    calendar::DayCellAreas areas = calendar::CellAreas(cell.rect);
    DrawLabel(painter, fonts, areas.dayNumber, content.dayNumber, DayNumberFace(), QFont::Bold, Qt::AlignHCenter,
              content.holidayColour ? s.holidayDate : s.weekDate);
    // The holiday name and the rokuyou stop short of the face in the top-right corner.
    int besideFace = content.facePicture != 0 ? areas.face.x - 2 - areas.holidayName.left : areas.holidayName.Width();
    DrawLabel(painter, fonts, areas.holidayName, content.holidayName, GothicFace(), QFont::Bold, Qt::AlignLeft,
              s.holidayDate, besideFace);
    DrawLabel(painter, fonts, areas.oldCalendar, content.oldCalendar, GothicFace(), QFont::Bold, Qt::AlignRight,
              s.oldCalendarColour);
    DrawLabel(painter, fonts, areas.rokuyou, content.rokuyou, GothicFace(), QFont::Bold, Qt::AlignLeft, s.rokuyouColour,
              besideFace);
    bool almanac = !content.almanac.empty() && calendar::LabelCharacterHeight(areas.almanac) > 0;
    DrawReading(painter, fonts, areas.reading, content.reading, s.data, almanac ? areas.almanac.top : areas.reading.bottom);
    DrawLabel(painter, fonts, areas.almanac, content.almanac, GothicFace(), QFont::Bold, Qt::AlignLeft,
              s.oldCalendarColour);
    if (content.facePicture != 0) {
      const QPixmap& face = DayFace(content.facePicture);
      if (!face.isNull()) {
        painter.drawPixmap(QRect(areas.face.x, areas.face.y, calendar::kDayFaceSize, calendar::kDayFaceSize), face);
      }
    }
  }

  DrawEtchedEdge(painter, target);
  painter.restore();
  return drawing;
}

}  // namespace nuvaro::ui
