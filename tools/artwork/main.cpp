// nuvaro-artwork-gen OUTPUT_DIR [PREVIEW_DIR]
// Draws every picture of the program into OUTPUT_DIR (the committed PNG files) and,
// when PREVIEW_DIR is given, contact sheets for looking at them.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include <cstdio>

#include "art_style.h"
#include "contact_sheet.h"
#include "face_art.h"
#include "key_colour_image.h"

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
  return g_failures == 0 ? 0 : 1;
}
