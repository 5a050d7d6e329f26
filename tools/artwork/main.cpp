// nuvaro-artwork-gen OUTPUT_DIR [PREVIEW_DIR]
// Draws every picture of the program into OUTPUT_DIR (the committed PNG files) and,
// when PREVIEW_DIR is given, contact sheets for looking at them.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QImage>
#include <QTextStream>

#include <cstdio>

#include "art_style.h"
#include "button_art.h"
#include "contact_sheet.h"
#include "face_art.h"
#include "key_colour_image.h"
#include "picture_art.h"
#include "pixel_art.h"

using namespace nuvaro::artgen;

namespace {

QString g_outputDir;
QString g_previewDir;
int g_failures = 0;

bool Save(const QImage& image, const QString& relativePath) {
  const QString path = g_outputDir + QLatin1Char('/') + relativePath;
  QDir().mkpath(QFileInfo(path).absolutePath());
  if (!image.save(path, "PNG", 9)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    ++g_failures;
    return false;
  }
  std::printf("%-60s %4d x %-4d %s\n", qPrintable(relativePath), image.width(), image.height(),
              image.format() == QImage::Format_Indexed8 ? "8-bit indexed" : "32-bit");
  return true;
}

void SavePreview(const QImage& sheet, const QString& name) {
  if (g_previewDir.isEmpty()) return;
  QDir().mkpath(g_previewDir);
  sheet.save(g_previewDir + QLatin1Char('/') + name, "PNG");
}

// Cuts a strip into its frames.
QList<QImage> Frames(const QImage& strip, int count) {
  QList<QImage> frames;
  const int width = strip.width() / count;
  for (int i = 0; i < count; ++i) frames.push_back(strip.copy(i * width, 0, width, strip.height()));
  return frames;
}

void WriteFaces() {
  QList<SheetItem> onWhite, onLilac;
  for (int strip = 0; strip < kFaceStripCount; ++strip) {
    const QImage stored = IndexedWithKey(HardenOnKey(DrawFaceStrip(strip), kMagenta), kMagenta);
    Save(stored, QStringLiteral("faces/face_strip_%1_%2.png").arg(strip, 2, 10, QLatin1Char('0')).arg(FaceStripTopic(strip)));
    const QList<QImage> frames = Frames(KeyToAlpha(stored, kMagenta), kFacesPerStrip);
    for (int i = 0; i < frames.size(); ++i) {
      const QString label = strip == 0 ? (i == 0 ? QStringLiteral("unnamed") : QStringLiteral("group %1").arg(i))
                                       : QStringLiteral("%1/%2 %3").arg(strip).arg(i).arg(ExpressionName(i));
      onWhite.push_back({label, frames[i]});
      if (strip == 0) {
        // The user's face stands on a lilac ellipse on the board.
        QImage withEllipse(frames[i].size(), QImage::Format_ARGB32);
        withEllipse.fill(Qt::transparent);
        QPainter p(&withEllipse);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(kUserLilac);
        p.drawEllipse(QRectF(0, 0, 100, 100));
        p.drawImage(0, 0, frames[i]);
        p.end();
        onLilac.push_back({label, withEllipse});
      }
    }
  }
  SavePreview(ContactSheet(QStringLiteral("Faces: strip 0 portraits, strips 1-10 expressions"), onWhite, Qt::white, 11),
              QStringLiteral("faces_on_white.png"));
  SavePreview(ContactSheet(QStringLiteral("Faces"), onWhite, QColor(70, 90, 120), 11), QStringLiteral("faces_on_dark.png"));
  SavePreview(ContactSheet(QStringLiteral("The user's face on its lilac ellipse"), onLilac, Qt::white, 11),
              QStringLiteral("user_faces_on_lilac.png"));
  QList<SheetItem> enlarged;
  for (const SheetItem& item : onWhite) enlarged.push_back({item.label, item.picture, 3});
  for (int strip = 0; strip < kFaceStripCount; ++strip)
    SavePreview(ContactSheet(QStringLiteral("Strip %1 enlarged").arg(strip), enlarged.mid(strip * kFacesPerStrip, kFacesPerStrip),
                             Qt::white, 6),
                QStringLiteral("faces_strip_%1_x3.png").arg(strip, 2, 10, QLatin1Char('0')));
}


QList<SheetItem> FramesAsItems(const QImage& strip, int count, const QString& name, int scale) {
  QList<SheetItem> items;
  const QList<QImage> frames = Frames(strip, count);
  for (int i = 0; i < frames.size(); ++i) items.push_back({QStringLiteral("%1 [%2]").arg(name).arg(i), frames[i], scale});
  return items;
}

void WriteButtons() {
  // Sizes follow the controls that show the strips (1.5 pixels per dialog unit).
  const QImage strip183 = DrawButtonStrip({58, 28}, 5, ButtonGlyph::None);
  const QImage strip187 = DrawButtonStrip({43, 25}, 3, ButtonGlyph::ThisMonth);
  const QImage strip188 = DrawButtonStrip({28, 25}, 3, ButtonGlyph::NextMonth);
  const QImage strip189 = DrawButtonStrip({28, 25}, 3, ButtonGlyph::PreviousMonth);
  const QImage bar = DrawButtonStrip({64, 26}, 3, ButtonGlyph::None);
  const QImage toolbar = DrawButtonStrip({88, 30}, 3, ButtonGlyph::None);
  const QImage plate = DrawNamePlateStrip();
  Save(strip183, QStringLiteral("calendar/button_183_plain_5_frames.png"));
  Save(strip187, QStringLiteral("calendar/button_187_this_month.png"));
  Save(strip188, QStringLiteral("calendar/button_188_next_month.png"));
  Save(strip189, QStringLiteral("calendar/button_189_previous_month.png"));
  Save(bar, QStringLiteral("bars/bar_button_strip.png"));
  Save(toolbar, QStringLiteral("bars/board_toolbar_button_strip.png"));
  Save(plate, QStringLiteral("board/name_plate_strip.png"));

  QList<SheetItem> calendar;
  calendar += FramesAsItems(strip183, 5, QStringLiteral("183"), 2);
  calendar += FramesAsItems(strip187, 3, QStringLiteral("187"), 2);
  calendar += FramesAsItems(strip188, 3, QStringLiteral("188"), 2);
  calendar += FramesAsItems(strip189, 3, QStringLiteral("189"), 2);
  SavePreview(ContactSheet(QStringLiteral("Calendar buttons on the calendar background (x2)"), calendar, kCalendarBackground, 5),
              QStringLiteral("calendar_buttons.png"));
  QList<SheetItem> bars;
  bars += FramesAsItems(bar, 3, QStringLiteral("bar"), 2);
  bars += FramesAsItems(toolbar, 3, QStringLiteral("toolbar"), 2);
  bars += FramesAsItems(plate, 3, QStringLiteral("plate"), 2);
  SavePreview(ContactSheet(QStringLiteral("Bar buttons and name plates (x2)"), bars, QColor(240, 240, 240), 3),
              QStringLiteral("bar_buttons.png"));
}

void WritePictures() {
  const QImage trash = DrawTrashBoxStrip();
  Save(trash, QStringLiteral("board/trash_box_empty_full.png"));
  const QImage cursor = DrawHandCursor();
  Save(cursor, QStringLiteral("cursors/hand_cursor_225.png"));
  const QImage guide = DrawGuideEntryPicture();
  Save(guide, QStringLiteral("guide/guide_entry_177_crystal_ball.png"));
  const QImage sample = DrawCalendarColourSample();
  Save(sample, QStringLiteral("calendar/colour_page_sample_186.png"));
  QList<SheetItem> days;
  for (int number = 200; number <= 204; ++number) {
    const QImage face = DrawDayFace(number);
    Save(face, QStringLiteral("calendar/day_face_%1_%2.png").arg(number).arg(DayFaceMood(number)));
    days.push_back({QString::number(number), face, 1});
    days.push_back({QStringLiteral("%1 x4").arg(number), face, 4});
  }
  const int itemNumbers[5] = {129, 170, 171, 174, 172};
  QList<SheetItem> items;
  for (int item = 1; item <= 5; ++item) {
    const QImage background = DrawItemBackground(item);
    Save(background, QStringLiteral("detail/item_background_%1_item_%2.png").arg(itemNumbers[item - 1]).arg(item));
    items.push_back({QStringLiteral("item %1").arg(item), background.scaledToWidth(300, Qt::SmoothTransformation)});
  }
  const QImage up = DrawItemArrow(true), down = DrawItemArrow(false);
  Save(up, QStringLiteral("detail/item_arrow_up_previous.png"));
  Save(down, QStringLiteral("detail/item_arrow_down_next.png"));
  const QImage chart = HardenOnKey(DrawChartRowImages(), kChartMask);
  Save(chart, QStringLiteral("chart/chart_row_images.png"));

  QList<SheetItem> icons;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    const QImage icon = DrawApplicationIcon(size);
    Save(icon, QStringLiteral("icon/nuvaro_%1.png").arg(size));
    icons.push_back({QString::number(size), icon});
  }

  SavePreview(ContactSheet(QStringLiteral("Day faces on white"), days, Qt::white, 10), QStringLiteral("day_faces_white.png"));
  SavePreview(ContactSheet(QStringLiteral("Day faces on today's colour"), days, QColor(255, 255, 204), 10),
              QStringLiteral("day_faces_today.png"));
  QList<SheetItem> board = FramesAsItems(trash, 2, QStringLiteral("trash"), 2);
  board.push_back({QStringLiteral("cursor 225 x2"), cursor, 2});
  board.push_back({QStringLiteral("177 x2"), guide, 2});
  board.push_back({QStringLiteral("up x2"), up, 2});
  board.push_back({QStringLiteral("down x2"), down, 2});
  board.push_back({QStringLiteral("chart x2 (keyed)"), KeyToAlpha(chart, kChartMask), 2});
  SavePreview(ContactSheet(QStringLiteral("Board and small pictures on white"), board, Qt::white, 4), QStringLiteral("small_white.png"));
  SavePreview(ContactSheet(QStringLiteral("Board and small pictures on grey"), board, QColor(200, 206, 214), 4),
              QStringLiteral("small_grey.png"));
  SavePreview(ContactSheet(QStringLiteral("Item backgrounds (half size)"), items, Qt::white, 3), QStringLiteral("item_backgrounds.png"));
  SavePreview(ContactSheet(QStringLiteral("Application icon"), icons, QColor(236, 236, 236), 7), QStringLiteral("icons.png"));
  SavePreview(ContactSheet(QStringLiteral("186 x2"), {{QStringLiteral("186"), sample, 2}}, QColor(240, 240, 240), 1),
              QStringLiteral("calendar_sample.png"));
}

// The board as a user meets it: the user's face on its ellipse in the middle, people
// around it with their name plates, the trash box in the corner.
void WriteBoardMock() {
  if (g_previewDir.isEmpty()) return;
  auto load = [](const QString& relative) { return QImage(g_outputDir + QLatin1Char('/') + relative); };
  const QImage portraits = KeyToAlpha(load(QStringLiteral("faces/face_strip_00_portraits.png")), kMagenta);
  const QImage plate = load(QStringLiteral("board/name_plate_strip.png"));
  const QImage trash = load(QStringLiteral("board/trash_box_empty_full.png"));
  QImage board(640, 440, QImage::Format_ARGB32);
  board.fill(Qt::white);
  QPainter p(&board);
  p.setRenderHint(QPainter::Antialiasing);
  QFont font(QStringLiteral("IPAGothic"));
  font.setPixelSize(12);
  p.setFont(font);
  struct Person {
    int strip, picture, x, y;
    const char* name;
  };
  const Person people[] = {
      {0, 7, 270, 160, "桃 太郎"},   {3, 10, 110, 40, "南瓜 花子"}, {1, 3, 440, 40, "林 一"},     {4, 9, 80, 280, "山田 次郎"},
      {2, 2, 460, 280, "小林 花"},   {9, 7, 270, 10, "佐藤 健"},    {6, 6, 270, 310, "鈴木 翔"},
  };
  for (const Person& person : people) {
    QImage face;
    if (person.strip == 0) {
      face = portraits.copy(person.picture * 100, 0, 100, 100);
      p.setPen(Qt::NoPen);
      p.setBrush(kUserLilac);
      p.drawEllipse(QRect(person.x, person.y, 100, 100));
    } else {
      face = KeyToAlpha(load(QStringLiteral("faces/face_strip_%1_%2.png").arg(person.strip, 2, 10, QLatin1Char('0')).arg(FaceStripTopic(person.strip))),
                        kMagenta)
                 .copy(person.picture * 100, 0, 100, 100);
    }
    p.drawImage(person.x, person.y, face);
    p.drawImage(person.x, person.y + 100, plate.copy(0, 0, 100, 20));
    p.setPen(Qt::black);
    p.drawText(QRect(person.x, person.y + 100, 100, 20), Qt::AlignCenter, QString::fromUtf8(person.name));
  }
  p.drawImage(640 - 58 - 10, 440 - 58 - 10, trash.copy(58, 0, 58, 58));
  p.end();
  SavePreview(board, QStringLiteral("board_mock.png"));
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: nuvaro-artwork-gen OUTPUT_DIR [PREVIEW_DIR]\n");
    return 2;
  }
  g_outputDir = QString::fromLocal8Bit(argv[1]);
  if (argc > 2) g_previewDir = QString::fromLocal8Bit(argv[2]);
  WriteFaces();
  WriteButtons();
  WritePictures();
  WriteBoardMock();
  return g_failures == 0 ? 0 : 1;
}
