// The artwork catalog against the pictures compiled into the program: every entry
// loads with its sizes and frames, keyed pictures carry their transparent colour where
// they are transparent, and the numbers the windows ask for are all there.
#include <QDirIterator>
#include <QGuiApplication>
#include <QSet>
#include <QTest>

#include "resources/artwork_catalog.h"

using namespace nuvaro::artwork;

namespace {

const ArtworkEntry& Entry(std::string_view key) {
  const ArtworkEntry* entry = FindArtwork(key);
  if (entry == nullptr) qFatal("no catalog entry %s", std::string(key).c_str());
  return *entry;
}

QString KeyOf(const ArtworkEntry& entry) { return QString::fromLatin1(entry.key.data(), static_cast<qsizetype>(entry.key.size())); }

}  // namespace

class ArtworkCatalogTest : public QObject {
  Q_OBJECT

 private slots:
  void everyEntryLoadsWithItsDeclaredSize_data() {
    QTest::addColumn<QString>("key");
    for (const ArtworkEntry& entry : AllArtwork()) QTest::newRow(qPrintable(KeyOf(entry))) << KeyOf(entry);
  }
  void everyEntryLoadsWithItsDeclaredSize() {
    QFETCH(QString, key);
    const ArtworkEntry& entry = Entry(key.toStdString());
    const QImage image = LoadArtwork(entry);
    QVERIFY2(!image.isNull(), qPrintable(entry.ResourcePath()));
    QCOMPARE(image.size(), entry.StripSize());
    QVERIFY(entry.frameCount >= 1);
  }

  // The numbers, frame counts and sizes that the windows rely on.
  void numberedPicturesHaveTheirFixedShape_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("frames");
    QTest::addColumn<QSize>("frameSize");
    QTest::newRow("183 calendar button") << 183 << 5 << QSize();
    QTest::newRow("187 this month") << 187 << 3 << QSize();
    QTest::newRow("188 next month") << 188 << 3 << QSize();
    QTest::newRow("189 previous month") << 189 << 3 << QSize();
    for (int number = 200; number <= 204; ++number)
      QTest::newRow(qPrintable(QStringLiteral("%1 day face").arg(number))) << number << 1 << QSize(16, 16);
    QTest::newRow("186 colour sample") << 186 << 1 << QSize(229, 170);
    QTest::newRow("177 guide entry") << 177 << 1 << QSize(32, 32);
    for (int number : {129, 170, 171, 172, 174}) QTest::newRow(qPrintable(QStringLiteral("%1 item background").arg(number))) << number << 1 << QSize();
  }
  void numberedPicturesHaveTheirFixedShape() {
    QFETCH(int, number);
    QFETCH(int, frames);
    QFETCH(QSize, frameSize);
    const ArtworkEntry* entry = FindBitmap(number);
    QVERIFY(entry != nullptr);
    QCOMPARE(entry->resourceNumber, number);
    QCOMPARE(entry->frameCount, frames);
    if (frameSize.isValid()) QCOMPARE(entry->FrameSize(), frameSize);
    // Strips split into equal frames without a remainder.
    QCOMPARE(LoadArtwork(*entry).width() % frames, 0);
  }

  void faceStripsAndTrashBoxHaveTheirFixedShape() {
    for (int strip = 0; strip < kFaceStripCount; ++strip) {
      const ArtworkEntry* entry = FaceStrip(strip);
      QVERIFY(entry != nullptr);
      QCOMPARE(KeyOf(*entry), QStringLiteral("face_strip_%1").arg(strip));
      QCOMPARE(entry->StripSize(), QSize(1100, 100));
      QCOMPARE(entry->frameCount, 11);
      QVERIFY(entry->keyed);
      QCOMPARE(entry->transparentColour, qRgb(255, 0, 255));
    }
    const ArtworkEntry& trash = Entry(kTrashBoxKey);
    QCOMPARE(trash.frameCount, 2);
    QCOMPARE(trash.FrameSize(), QSize(58, 58));
    QCOMPARE(Entry(kNamePlateKey).FrameSize(), QSize(100, 20));
    QCOMPARE(Entry(kChartRowImagesKey).frameWidth, 22);
    QCOMPARE(Entry(kChartRowImagesKey).transparentColour, qRgb(192, 192, 192));
  }

  void unknownLookupsFindNothing() {
    QVERIFY(FindBitmap(0) == nullptr);
    QVERIFY(FindBitmap(999) == nullptr);
    QVERIFY(FindBitmap(225) == nullptr);  // 225 is a cursor, not a bitmap
    QVERIFY(FindCursor(183) == nullptr);
    QVERIFY(FindCursor(225) != nullptr);
    QVERIFY(FindArtwork("no_such_picture") == nullptr);
    QVERIFY(FaceStrip(-1) == nullptr);
    QVERIFY(FaceStrip(kFaceStripCount) == nullptr);
  }

  void keysAndNumbersAreUnique() {
    QSet<QString> keys, numbers, paths;
    for (const ArtworkEntry& entry : AllArtwork()) {
      QVERIFY2(!keys.contains(KeyOf(entry)), qPrintable(KeyOf(entry)));
      keys.insert(KeyOf(entry));
      QVERIFY2(!paths.contains(entry.ResourcePath()), qPrintable(entry.ResourcePath()));
      paths.insert(entry.ResourcePath());
      if (entry.resourceNumber == 0) continue;
      const QString number = QStringLiteral("%1/%2").arg(static_cast<int>(entry.kind)).arg(entry.resourceNumber);
      QVERIFY2(!numbers.contains(number), qPrintable(number));
      numbers.insert(number);
    }
  }

  void faceStripsAreEightBitWithMagentaAroundTheHead_data() {
    QTest::addColumn<int>("strip");
    for (int strip = 0; strip < kFaceStripCount; ++strip) QTest::newRow(qPrintable(QString::number(strip))) << strip;
  }
  void faceStripsAreEightBitWithMagentaAroundTheHead() {
    QFETCH(int, strip);
    const QImage image = LoadArtwork(*FaceStrip(strip));
    QCOMPARE(image.format(), QImage::Format_Indexed8);
    QCOMPARE(image.colorTable().count(qRgb(255, 0, 255)), 1);
    for (int picture = 0; picture < 11; ++picture) {
      const int left = picture * 100;
      // The corners above the head are transparent, the middle of the face is not.
      QCOMPARE(image.pixel(left, 0), qRgb(255, 0, 255));
      QCOMPARE(image.pixel(left + 99, 0), qRgb(255, 0, 255));
      QVERIFY(image.pixel(left + 50, 50) != qRgb(255, 0, 255));
      // Nothing is keyed inside the face outline, and the figure fills a fair share.
      int keyed = 0;
      for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) keyed += image.pixel(left + x, y) == qRgb(255, 0, 255) ? 1 : 0;
      QVERIFY2(keyed > 1500 && keyed < 6000, qPrintable(QStringLiteral("picture %1: %2 keyed pixels").arg(picture).arg(keyed)));
      for (int y = 40; y <= 60; ++y) QVERIFY(image.pixel(left + 50, y) != qRgb(255, 0, 255));
    }
  }

  // Users tell the expressions apart: no two pictures of a strip may be the same.
  void facePicturesOfAStripAreAllDifferent() {
    for (int strip = 0; strip < kFaceStripCount; ++strip)
      for (int a = 0; a < 11; ++a)
        for (int b = a + 1; b < 11; ++b)
          QVERIFY2(LoadArtworkFrame(*FaceStrip(strip), a) != LoadArtworkFrame(*FaceStrip(strip), b),
                   qPrintable(QStringLiteral("strip %1 pictures %2 and %3").arg(strip).arg(a).arg(b)));
  }

  void drawablePixmapTurnsTheKeyIntoTransparency() {
    const QImage face = LoadDrawablePixmap(*FaceStrip(7), 4).toImage();
    QCOMPARE(face.size(), QSize(100, 100));
    QCOMPARE(qAlpha(face.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(face.pixel(50, 50)), 255);
    const QImage chart = LoadDrawablePixmap(Entry(kChartRowImagesKey)).toImage();
    QCOMPARE(LoadArtwork(Entry(kChartRowImagesKey)).pixel(0, 0), qRgb(192, 192, 192));
    QCOMPARE(qAlpha(chart.pixel(0, 0)), 0);
    QCOMPARE(chart.size(), QSize(44, 22));
    // A picture that is not keyed keeps its own colours.
    const QImage plain = LoadDrawablePixmap(*FindBitmap(186)).toImage();
    QCOMPARE(plain.pixel(100, 100), LoadArtwork(*FindBitmap(186)).pixel(100, 100));
  }

  void framesAreCutFromTheStrip() {
    const ArtworkEntry& entry = *FindBitmap(183);
    const QImage strip = LoadArtwork(entry);
    QCOMPARE(LoadArtworkFrame(entry, 2), strip.copy(2 * 58, 0, 58, 28));
    QVERIFY(LoadArtworkFrame(entry, 5).isNull());
    QVERIFY(LoadArtworkFrame(entry, -1).isNull());
    QCOMPARE(LoadDrawablePixmap(entry, 4).size(), QSize(58, 28));
    QVERIFY(LoadDrawablePixmap(entry, 5).isNull());
    // Normal, pressed and hover faces differ, so the user sees the button react.
    QVERIFY(LoadArtworkFrame(entry, 0) != LoadArtworkFrame(entry, 1));
    QVERIFY(LoadArtworkFrame(entry, 0) != LoadArtworkFrame(entry, 2));
    QVERIFY(LoadArtworkFrame(*FindBitmap(188), 0) != LoadArtworkFrame(*FindBitmap(189), 0));
  }

  // Pictures without a key colour carry alpha, so they look right on any background.
  void unkeyedSmallPicturesHaveTransparentCorners_data() {
    QTest::addColumn<QString>("key");
    for (const char* key : {"bitmap_200", "bitmap_201", "bitmap_202", "bitmap_203", "bitmap_204", "bitmap_177", "trash_box",
                            "item_arrow_previous", "item_arrow_next", "cursor_225", "name_plate"})
      QTest::newRow(key) << QString::fromLatin1(key);
  }
  void unkeyedSmallPicturesHaveTransparentCorners() {
    QFETCH(QString, key);
    const ArtworkEntry& entry = Entry(key.toStdString());
    QVERIFY(!entry.keyed);
    for (int frame = 0; frame < entry.frameCount; ++frame) {
      const QImage image = LoadArtworkFrame(entry, frame).convertToFormat(QImage::Format_ARGB32);
      QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
      QCOMPARE(qAlpha(image.pixel(image.width() - 1, image.height() - 1)), 0);
      QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
    }
  }

  void handCursorPointsWithItsFingertip() {
    const ArtworkEntry& entry = *FindCursor(225);
    const QCursor cursor = LoadArtworkCursor(entry);
    QCOMPARE(cursor.hotSpot(), QPoint(entry.hotSpotX, entry.hotSpotY));
    QVERIFY(!cursor.pixmap().isNull());
    const QImage image = LoadArtwork(entry).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(image.rect().contains(entry.hotSpotX, entry.hotSpotY));
    // The fingertip is the topmost drawn part of the hand, right at the hot spot.
    int top = -1;
    for (int y = 0; y < image.height() && top < 0; ++y)
      for (int x = 0; x < image.width(); ++x)
        if (qAlpha(image.pixel(x, y)) > 0) {
          top = y;
          break;
        }
    QVERIFY(top >= 0);
    QVERIFY(std::abs(top - entry.hotSpotY) <= 1);
    int minX = image.width(), maxX = -1;
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, top + 1)) > 0) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
      }
    QVERIFY(entry.hotSpotX >= minX && entry.hotSpotX <= maxX);
  }

  void applicationIconComesInEverySize() {
    const QIcon icon = ApplicationIcon();
    QVERIFY(!icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : {16, 24, 32, 48, 64, 128, 256}) QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
    for (std::string_view path : ApplicationIconPaths()) {
      const QImage image(QString::fromLatin1(path.data(), static_cast<qsizetype>(path.size())));
      QVERIFY(!image.isNull());
      QCOMPARE(image.width(), image.height());
    }
  }

  // Every compiled picture is reachable through the catalog, and nothing is missing.
  void resourceFolderMatchesTheCatalog() {
    QSet<QString> compiled;
    QDirIterator it(QStringLiteral(":/nuvaro/artwork"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) compiled.insert(it.next());
    QSet<QString> listed;
    for (const ArtworkEntry& entry : AllArtwork()) listed.insert(entry.ResourcePath());
    for (std::string_view path : ApplicationIconPaths()) listed.insert(QString::fromLatin1(path.data(), static_cast<qsizetype>(path.size())));
    QCOMPARE(compiled.subtract(listed), QSet<QString>());
    QSet<QString> missing = listed;
    QDirIterator again(QStringLiteral(":/nuvaro/artwork"), QDir::Files, QDirIterator::Subdirectories);
    while (again.hasNext()) missing.remove(again.next());
    QCOMPARE(missing, QSet<QString>());
  }
};

QTEST_MAIN(ArtworkCatalogTest)
#include "artwork_catalog_test.moc"
