// A balloon window: its shape (ellipse joined with the pointer), its frame, its paint
// and its placement, for every supported shape type.
#include <QImage>
#include <QTest>

#include "board/balloon_window.h"
#include "board/board_pictures.h"
#include "recording_message_sink.h"
#include "test_text.h"

using nuvaro::testing::RecordingMessageSink;
using nuvaro::testing::Sjis;
using namespace nuvaro;
using namespace nuvaro::ui;

namespace {

QRect ToQRect(const board::Rect& rect) { return QRect(rect.left, rect.top, rect.Width(), rect.Height()); }

// The bounding box of the text's ink inside a rectangle: pixels that are not white and
// lean towards the text colour (glyph edges are smoothed).
QRect InkOf(const QImage& image, const QRect& area, const QColor& colour) {
  QRect box;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (pixel == kBalloonBackColour) continue;
      const bool towards = qAbs(pixel.red() - colour.red()) + qAbs(pixel.green() - colour.green()) +
                               qAbs(pixel.blue() - colour.blue()) <
                           qAbs(pixel.red() - 255) + qAbs(pixel.green() - 255) + qAbs(pixel.blue() - 255);
      if (towards) box = box.united(QRect(x, y, 1, 1));
    }
  }
  return box;
}

}  // namespace

class BalloonWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void ShapeIsTheEllipseJoinedWithThePointer_data() {
    QTest::addColumn<int>("shape");
    for (int shape : {1, 2, 4, 5, 7, 8, 10, 11}) QTest::newRow(QByteArray::number(shape).constData()) << shape;
  }

  void ShapeIsTheEllipseJoinedWithThePointer() {
    QFETCH(int, shape);
    CBalloonWnd balloon(nullptr);
    QVERIFY(balloon.SetBalloon(Sjis("あなたの良きパートナー"), kMaleBalloonColour, 16, shape));
    const board::BalloonLayout& layout = balloon.Layout();
    QCOMPARE(balloon.size(), QSize(layout.width, layout.height));
    QCOMPARE(balloon.mask(), balloon.Outline());
    const QRect ellipse = ToQRect(layout.ellipse);
    // The ellipse fills its rectangle's middle but not its corners.
    QVERIFY(balloon.Outline().contains(ellipse.center()));
    QVERIFY(balloon.Outline().contains(QPoint(ellipse.left() + 1, ellipse.center().y())));
    QVERIFY(!balloon.Outline().contains(ellipse.topLeft()));
    QVERIFY(!balloon.Outline().contains(ellipse.bottomRight()));
    // The pointer reaches out of the ellipse towards its tip, on the side of the extra
    // 10 pixels: the point two thirds of the way from the base middle to the tip.
    const auto& p = layout.pointer;
    const QPoint baseMiddle((p[1].x + p[2].x) / 2, (p[1].y + p[2].y) / 2);
    const QPoint nearTip(baseMiddle.x() + (p[0].x - baseMiddle.x()) * 2 / 3,
                         baseMiddle.y() + (p[0].y - baseMiddle.y()) * 2 / 3);
    QVERIFY2(!balloon.Body().contains(nearTip), "the pointer sticks out of the ellipse");
    QVERIFY(balloon.Pointer().contains(nearTip));
    QVERIFY(balloon.Outline().contains(nearTip));
    // Nothing of the shape lies outside the window.
    QVERIFY(QRegion(balloon.rect()).contains(balloon.Outline().boundingRect()));
  }

  void FrameIsTwoPixelsWideAndOnePixelHigh() {
    CBalloonWnd balloon(nullptr);
    QVERIFY(balloon.SetBalloon(Sjis("ささやき"), kFemaleBalloonColour, 16, 5));
    const QRegion frame = balloon.FrameRegion();
    const QRect ellipse = ToQRect(balloon.Layout().ellipse);
    const int midY = ellipse.center().y();
    int left = ellipse.left();
    while (!balloon.Outline().contains(QPoint(left, midY))) ++left;
    QVERIFY(frame.contains(QPoint(left, midY)));
    QVERIFY(frame.contains(QPoint(left + 1, midY)));
    QVERIFY(!frame.contains(QPoint(left + 2, midY)));
    const int midX = ellipse.center().x();
    int top = ellipse.top();
    while (!balloon.Outline().contains(QPoint(midX, top))) ++top;
    QVERIFY(frame.contains(QPoint(midX, top)));
    QVERIFY(!frame.contains(QPoint(midX, top + 1)));
    QVERIFY(!frame.contains(ellipse.center()));
  }

  void PaintsWhiteFramedInTheTextColourWithTheTextCentred_data() {
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("shape");
    QTest::newRow("man") << kMaleBalloonColour << 8;
    QTest::newRow("woman") << kFemaleBalloonColour << 2;
  }

  void PaintsWhiteFramedInTheTextColourWithTheTextCentred() {
    QFETCH(QColor, colour);
    QFETCH(int, shape);
    CBalloonWnd balloon(nullptr);
    // 8 bytes: one line.
    QVERIFY(balloon.SetBalloon(Sjis("恋の予感"), colour, 16, shape));
    QCOMPARE(balloon.Lines(), 1);
    const QImage image = balloon.grab().toImage();
    const QRect ellipse = ToQRect(balloon.Layout().ellipse);
    int left = ellipse.left();
    while (!balloon.Outline().contains(QPoint(left, ellipse.center().y()))) ++left;
    QCOMPARE(image.pixelColor(left, ellipse.center().y()), colour);
    QCOMPARE(image.pixelColor(left + 3, ellipse.center().y()), kBalloonBackColour);

    const QRect textRect = ToQRect(balloon.Layout().text);
    const QRect ink = InkOf(image, textRect, colour);
    QVERIFY2(!ink.isEmpty(), "the text is drawn in the text colour");
    QVERIFY(qAbs(ink.center().x() - textRect.center().x()) <= 2);
    QVERIFY(qAbs(ink.center().y() - textRect.center().y()) <= 3);
    QVERIFY(ink.height() <= QFontMetrics(CBalloonWnd::BalloonFont()).height());
  }

  void LongTextIsWrappedOverSeveralLines() {
    CBalloonWnd balloon(nullptr);
    const std::string text = Sjis("二人の相性はとても良く、お互いを高め合える関係です。");
    QVERIFY(balloon.SetBalloon(text, kMaleBalloonColour, 16, 10));
    QCOMPARE(balloon.Lines(), static_cast<int>(text.size()) / 16 + 1);
    QCOMPARE(balloon.Text(), QString::fromUtf8("二人の相性はとても良く、お互いを高め合える関係です。"));
    const QImage image = balloon.grab().toImage();
    const QRect ink = InkOf(image, ToQRect(balloon.Layout().text), kMaleBalloonColour);
    QVERIFY(ink.height() > 2 * QFontMetrics(CBalloonWnd::BalloonFont()).height());
    QVERIFY(ink.width() <= balloon.Layout().text.Width());
  }

  void UnsupportedShapeIsToldAndLeavesTheBalloonAlone_data() {
    QTest::addColumn<int>("shape");
    for (int shape : {3, 6, 9, 12, 0}) QTest::newRow(QByteArray::number(shape).constData()) << shape;
  }

  void UnsupportedShapeIsToldAndLeavesTheBalloonAlone() {
    QFETCH(int, shape);
    RecordingMessageSink sink;
    CBalloonWnd balloon(nullptr);
    QVERIFY(balloon.SetBalloon(Sjis("前の言葉"), kMaleBalloonColour, 16, 8));
    const QSize before = balloon.size();
    QVERIFY(!balloon.SetBalloon(Sjis("次の言葉"), kFemaleBalloonColour, 26, shape));
    QCOMPARE(sink.Texts(),
             std::vector<std::string>{std::to_string(shape) + " 方向のヌヴァロは、サポートされていません"});
    QCOMPARE(balloon.TextCp932(), Sjis("前の言葉"));
    QCOMPARE(balloon.Shape(), 8);
    QCOMPARE(balloon.TextColour(), kMaleBalloonColour);
    QCOMPARE(balloon.size(), before);
  }

  void PointerTipsReachTheDrawnFaceOfEveryPicture() {
    BoardPictures& pictures = BoardPictures::Shared();
    for (int strip = 0; strip < core::kPictureStripCount; ++strip) {
      for (int index = 0; index < core::kPicturesPerStrip; ++index) {
        const core::FacePicture picture{strip, index};
        const QImage image = pictures.Face(picture).toImage();
        QCOMPARE(image.size(), QSize(100, 100));
        const board::FaceInsets insets = pictures.Insets(picture);
        struct Row {
          int inset, most, y;
          bool fromLeft;
        };
        const Row rows[] = {{insets.leftQuarter, board::kMaxDrawnInsetQuarter, 25, true},
                            {insets.leftHalf, board::kMaxDrawnInsetHalf, 50, true},
                            {insets.rightHalf, board::kMaxDrawnInsetHalf, 50, false},
                            {insets.leftThreeQuarters, board::kMaxDrawnInsetThreeQuarters, 75, true},
                            {insets.rightThreeQuarters, board::kMaxDrawnInsetThreeQuarters, 75, false}};
        for (const Row& row : rows) {
          const QString where = QStringLiteral("strip %1 picture %2 row %3").arg(strip).arg(index).arg(row.y);
          QVERIFY2(row.inset > 0, qPrintable(where + " has no margin: transparency lost?"));
          auto x = [&](int inset) { return row.fromLeft ? inset : 99 - inset; };
          QVERIFY2(qAlpha(image.pixel(x(row.inset - 1), row.y)) == 0, qPrintable(where));
          if (row.inset < row.most) QVERIFY2(qAlpha(image.pixel(x(row.inset), row.y)) != 0, qPrintable(where));
        }
      }
    }
  }

  void PlacedWithThePointerTipOnTheAnchor_data() {
    QTest::addColumn<int>("shape");
    for (int shape : {1, 2, 4, 5, 7, 8, 10, 11}) QTest::newRow(QByteArray::number(shape).constData()) << shape;
  }

  void PlacedWithThePointerTipOnTheAnchor() {
    QFETCH(int, shape);
    CBalloonWnd balloon(nullptr);
    QVERIFY(balloon.SetBalloon(Sjis("ささやき"), kMaleBalloonColour, 16, shape));
    const QRect screen(0, 0, 2000, 1500);
    balloon.PlaceAt(QPoint(1000, 700), screen);
    QCOMPARE(balloon.TipGlobal(), QPoint(1000, 700));
    // Near the screen's corners the balloon stays on the screen.
    for (QPoint corner : {QPoint(0, 0), QPoint(1999, 1499), QPoint(1999, 0), QPoint(0, 1499)}) {
      balloon.PlaceAt(corner, screen);
      QVERIFY(screen.contains(balloon.geometry()));
    }
  }
};

QTEST_MAIN(BalloonWindowTest)
#include "balloon_window_test.moc"
