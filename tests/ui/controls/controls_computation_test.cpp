// The controls' computations without widgets: palette table, colour values, palette
// geometry and placement, arrow-key movement and hover frames.
#include <QtTest>

#include <set>

#include "ui/controls/colour_palette.h"
#include "ui/controls/colour_value.h"
#include "ui/controls/hover_button_frames.h"
#include "ui/controls/palette_layout.h"
#include "ui/controls/palette_navigation.h"

using namespace nuvaro::ui;

namespace {

// Cells written as in the table: "T" top row, "B" bottom row, "-" none, else a number.
int ParseCell(const QString& text) {
  if (text == "T") return kPaletteTopRow;
  if (text == "B") return kPaletteBottomRow;
  if (text == "-") return kPaletteNoCell;
  return text.toInt();
}

}  // namespace

class ControlsComputationTest : public QObject {
  Q_OBJECT

 private slots:
  void paletteColoursAreDistinctAndFoundAtTheirIndex() {
    std::set<ColourRef> seen;
    for (int i = 0; i < kPaletteColourCount; ++i) {
      const NamedColour& entry = ColourPalette[static_cast<std::size_t>(i)];
      QVERIFY2((entry.colour & 0xFF000000u) == 0, entry.name);
      QVERIFY2(seen.insert(entry.colour).second, entry.name);
      QCOMPARE(FindPaletteColour(entry.colour), i);
    }
    QCOMPARE(FindPaletteColour(kNoColour), -1);
    // A value with a stray high byte is not a palette colour.
    QCOMPARE(FindPaletteColour(0x010000FF), -1);
  }

  // The names say which colour they are: a swapped byte order would show here.
  void paletteNamesMatchTheirColours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("red") << QString::fromUtf8("赤") << QColor(255, 0, 0);
    QTest::newRow("blue") << QString::fromUtf8("青") << QColor(0, 0, 255);
    QTest::newRow("yellow") << QString::fromUtf8("黄") << QColor(255, 255, 0);
    QTest::newRow("bright green") << QString::fromUtf8("明るい緑") << QColor(0, 255, 0);
    QTest::newRow("orange") << QString::fromUtf8("オレンジ") << QColor(255, 104, 32);
    QTest::newRow("white") << QString::fromUtf8("白") << QColor(255, 255, 255);
  }
  void paletteNamesMatchTheirColours() {
    QFETCH(QString, name);
    QFETCH(QColor, expected);
    int found = -1;
    for (int i = 0; i < kPaletteColourCount; ++i) {
      if (QString::fromUtf8(ColourPalette[static_cast<std::size_t>(i)].name) == name) found = i;
    }
    QVERIFY(found >= 0);
    QCOMPARE(ToQColor(ColourPalette[static_cast<std::size_t>(found)].colour), expected);
  }

  void colourValuesConvert_data() {
    QTest::addColumn<uint>("value");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("red is the low byte") << 0x0000FFu << QColor(255, 0, 0);
    QTest::newRow("blue is the third byte") << 0xFF0000u << QColor(0, 0, 255);
    QTest::newRow("hover colour") << 0x8000FFu << QColor(255, 0, 128);
  }
  void colourValuesConvert() {
    QFETCH(uint, value);
    QFETCH(QColor, colour);
    QCOMPARE(ToQColor(value), colour);
    QCOMPARE(FromQColor(colour), value);
  }

  void paletteLayoutWithBothRows() {
    PaletteLayout layout = ComputePaletteLayout(2, QSize(60, 15), QSize(50, 13));
    QCOMPARE(layout.cellSize, 18);
    // rowHeight = 15 + 4 × 2 + 2 = 25; the grid sits below the top row and a margin.
    QCOMPARE(layout.topRow, QRect(2, 2, 144, 25));
    QCOMPARE(layout.grid, QRect(2, 29, 144, 90));
    QCOMPARE(layout.bottomRow, QRect(2, 121, 144, 25));
    // 90 + 2 × 2 for the grid, 25 + 2 × 2 for each row.
    QCOMPARE(layout.windowSize, QSize(148, 152));
    QVERIFY(QRect(QPoint(0, 0), layout.windowSize).contains(layout.bottomRow));
  }

  void paletteLayoutWithoutRows() {
    PaletteLayout layout = ComputePaletteLayout(2, std::nullopt, std::nullopt);
    QVERIFY(!layout.HasTopRow());
    QVERIFY(!layout.HasBottomRow());
    QCOMPARE(layout.grid, QRect(2, 2, 144, 90));
    QCOMPARE(layout.windowSize, QSize(148, 94));
  }

  void paletteLayoutWidensForLongTexts_data() {
    QTest::addColumn<bool>("onTop");
    QTest::newRow("top text") << true;
    QTest::newRow("bottom text alone") << false;
  }
  void paletteLayoutWidensForLongTexts() {
    QFETCH(bool, onTop);
    std::optional<QSize> longText = QSize(200, 15);
    PaletteLayout layout = onTop ? ComputePaletteLayout(2, longText, QSize(10, 15))
                                 : ComputePaletteLayout(2, std::nullopt, longText);
    QCOMPARE(layout.windowSize.width(), 204);
    QRect row = onTop ? layout.topRow : layout.bottomRow;
    QCOMPARE(row.width(), 200);
  }

  void paletteHitTest_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("cell");
    // Layout of paletteLayoutWithBothRows: grid at (2, 29), cells of 18.
    QTest::newRow("first cell corner") << QPoint(2, 29) << 0;
    QTest::newRow("second cell") << QPoint(20, 29) << 1;
    QTest::newRow("last pixel of first cell") << QPoint(19, 46) << 0;
    QTest::newRow("last cell corner") << QPoint(145, 118) << 39;
    QTest::newRow("red") << QPoint(2 + 9, 29 + 2 * 18 + 9) << 16;
    QTest::newRow("top row") << QPoint(74, 10) << kPaletteTopRow;
    QTest::newRow("bottom row") << QPoint(74, 130) << kPaletteBottomRow;
    QTest::newRow("window corner margin") << QPoint(0, 0) << kPaletteNoCell;
    QTest::newRow("gap above bottom row") << QPoint(74, 120) << kPaletteNoCell;
    QTest::newRow("right margin") << QPoint(146, 60) << kPaletteNoCell;
  }
  void paletteHitTest() {
    QFETCH(QPoint, point);
    QFETCH(int, cell);
    PaletteLayout layout = ComputePaletteLayout(2, QSize(60, 15), QSize(50, 13));
    QCOMPARE(layout.CellAt(point), cell);
    if (cell != kPaletteNoCell) QVERIFY(layout.CellRect(cell).contains(point));
  }

  void palettePlacementStaysOnScreen_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("button");
    QTest::addColumn<QPoint>("expected");
    const QRect screen(0, 0, 800, 600);
    // The palette is 148 × 152 in every row.
    QTest::newRow("below the button") << screen << QRect(100, 100, 80, 24) << QPoint(100, 124);
    QTest::newRow("past the right edge") << screen << QRect(700, 100, 80, 24) << QPoint(652, 124);
    QTest::newRow("left edge negative") << screen << QRect(-30, 100, 80, 24) << QPoint(0, 124);
    QTest::newRow("past the bottom") << screen << QRect(100, 500, 80, 24) << QPoint(100, 348);
    QTest::newRow("just fits below") << screen << QRect(100, 424, 80, 24) << QPoint(100, 448);
    QTest::newRow("bottom right corner") << screen << QRect(760, 580, 40, 20) << QPoint(652, 428);
    QTest::newRow("second screen left edge") << QRect(800, 0, 800, 600) << QRect(790, 100, 60, 24)
                                             << QPoint(800, 124);
    QTest::newRow("screen narrower than palette") << QRect(0, 0, 100, 600) << QRect(10, 10, 40, 20)
                                                  << QPoint(0, 30);
    QTest::newRow("screen too low for either side") << QRect(0, 0, 800, 200) << QRect(10, 100, 40, 20)
                                                    << QPoint(10, 0);
  }
  void palettePlacementStaysOnScreen() {
    QFETCH(QRect, screen);
    QFETCH(QRect, button);
    QFETCH(QPoint, expected);
    QCOMPARE(PlacePalette(button, QSize(148, 152), screen), expected);
  }

  // Keys: L R U D; the expected cells after each key, space separated.
  void arrowKeysMoveTheHotCell_data() {
    QTest::addColumn<bool>("hasTop");
    QTest::addColumn<bool>("hasBottom");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("cells");
    QTest::newRow("along a row") << true << true << "6" << "RRL" << "7 8 7";
    QTest::newRow("last colour to bottom row and round") << true << true << "38" << "RRRR" << "39 B T 0";
    QTest::newRow("first colour back to top row") << true << true << "1" << "LLL" << "0 T B";
    QTest::newRow("down the column into bottom row") << true << true << "3" << "DDDDD" << "11 19 27 35 B";
    QTest::newRow("through both rows keeps the column") << true << true << "35" << "DDD" << "B T 3";
    QTest::newRow("up from the first row") << true << true << "5" << "UUU" << "T B 37";
    QTest::newRow("without rows wraps in the grid") << false << false << "35" << "DUUR" << "3 35 27 28";
    QTest::newRow("only bottom row") << false << true << "0" << "ULD" << "B 39 B";
    QTest::newRow("from none forward") << true << true << "-" << "R" << "T";
    QTest::newRow("from none back") << true << true << "-" << "L" << "B";
    QTest::newRow("from none up without rows") << false << false << "-" << "U" << "32";
  }
  void arrowKeysMoveTheHotCell() {
    QFETCH(bool, hasTop);
    QFETCH(bool, hasBottom);
    QFETCH(QString, start);
    QFETCH(QString, keys);
    QFETCH(QString, cells);
    PaletteNavigator navigator(hasTop, hasBottom);
    int cell = ParseCell(start);
    navigator.NoteCell(cell);
    QStringList expected = cells.split(' ');
    QCOMPARE(expected.size(), keys.size());
    for (int i = 0; i < keys.size(); ++i) {
      PaletteKey key = keys[i] == 'L' ? PaletteKey::Left
                       : keys[i] == 'R' ? PaletteKey::Right
                       : keys[i] == 'U' ? PaletteKey::Up
                                        : PaletteKey::Down;
      cell = navigator.Move(cell, key);
      QCOMPARE(cell, ParseCell(expected[i]));
    }
  }

  void columnComesFromTheMouseToo() {
    PaletteNavigator navigator(true, true);
    navigator.NoteCell(21);  // the mouse rested on column 5
    QCOMPARE(navigator.Move(kPaletteTopRow, PaletteKey::Down), 5);
    navigator.NoteCell(kPaletteBottomRow);  // a row keeps the last column
    QCOMPARE(navigator.Move(kPaletteBottomRow, PaletteKey::Up), 37);
  }

  void hoverFrameChoice_data() {
    QTest::addColumn<bool>("focused");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<bool>("hovering");
    QTest::addColumn<int>("frame");
    QTest::newRow("idle") << false << false << false << kNormalFrame;
    QTest::newRow("hover") << false << false << true << kHoverFrame;
    QTest::newRow("pressed without focus") << false << true << false << kNormalFrame;
    QTest::newRow("pressed hovering without focus") << false << true << true << kHoverFrame;
    QTest::newRow("focus") << true << false << false << kHoverFrame;
    QTest::newRow("focus and pressed") << true << true << false << kPressedFrame;
    QTest::newRow("focus, pressed, hover") << true << true << true << kPressedFrame;
  }
  void hoverFrameChoice() {
    QFETCH(bool, focused);
    QFETCH(bool, pressed);
    QFETCH(bool, hovering);
    QFETCH(int, frame);
    QCOMPARE(ChooseHoverFrame(focused, pressed, hovering), frame);
  }

  void stripMeasure_data() {
    QTest::addColumn<QSize>("strip");
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("frameWidth");
    QTest::newRow("five frames of 100") << QSize(500, 24) << 5 << 100;
    QTest::newRow("three frames") << QSize(87, 17) << 3 << 29;
    QTest::newRow("width rounded down") << QSize(89, 17) << 3 << 29;
    QTest::newRow("no frames") << QSize(500, 24) << 0 << 0;
    QTest::newRow("more frames than pixels") << QSize(2, 24) << 3 << 0;
    QTest::newRow("empty strip") << QSize(0, 0) << 3 << 0;
  }
  void stripMeasure() {
    QFETCH(QSize, strip);
    QFETCH(int, frames);
    QFETCH(int, frameWidth);
    StripGeometry geometry = MeasureStrip(strip, frames);
    QCOMPARE(geometry.IsUsable(), frameWidth > 0);
    if (frameWidth == 0) {
      QVERIFY(geometry.FrameRect(0).isNull());
      return;
    }
    QCOMPARE(geometry.frameWidth, frameWidth);
    QCOMPARE(geometry.height, strip.height());
    QCOMPARE(geometry.FrameRect(kHoverFrame).left(), std::min(kHoverFrame, frames - 1) * frameWidth);
    QVERIFY(QRect(QPoint(0, 0), strip).contains(geometry.FrameRect(kHoverFrame)));
  }
};

QTEST_GUILESS_MAIN(ControlsComputationTest)
#include "controls_computation_test.moc"
