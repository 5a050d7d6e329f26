// CHoverButton on screen: the frame it shows in each state, its size from the strip,
// transparency, the caption, and the push-button fallback.
#include <QtTest>

#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <QPushButton>

#include "ui/controls/hover_button.h"

using namespace nuvaro::ui;

namespace {

// Frame k of the test strips is filled with kFrameColours[k].
const QColor kFrameColours[] = {QColor(200, 0, 0), QColor(0, 200, 0), QColor(0, 0, 200), QColor(200, 200, 0),
                                QColor(0, 200, 200)};

QPixmap MakeStrip(int frames, int frameWidth, int height) {
  QPixmap strip(frames * frameWidth, height);
  QPainter painter(&strip);
  for (int k = 0; k < frames; ++k) painter.fillRect(k * frameWidth, 0, frameWidth, height, kFrameColours[k]);
  return strip;
}

// The colour in the button's top-left corner, clear of any caption.
QColor CornerColour(QWidget* widget) { return widget->grab().toImage().pixelColor(2, 2); }

void SendEnter(QWidget* widget) {
  QPointF local(5, 5);
  QEnterEvent enter(local, local, widget->mapToGlobal(local));
  QApplication::sendEvent(widget, &enter);
}

void SendLeave(QWidget* widget) {
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(widget, &leave);
}

// Darkest pixel's lightness and the centre of the box around pixels darker than the
// limit.
struct InkMeasure {
  int darkest = 255;
  double centreX = -1;
  double centreY = -1;
};

InkMeasure MeasureInk(const QImage& image, int limit) {
  InkMeasure ink;
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      int lightness = image.pixelColor(x, y).lightness();
      ink.darkest = std::min(ink.darkest, lightness);
      if (lightness < limit) box |= QRect(x, y, 1, 1);
    }
  }
  if (!box.isNull()) {
    ink.centreX = box.left() + box.width() / 2.0;
    ink.centreY = box.top() + box.height() / 2.0;
  }
  return ink;
}

}  // namespace

class HoverButtonTest : public QObject {
  Q_OBJECT

 private slots:
  void fiveFrameStripMakesOneFrameButtonInPlace() {
    QWidget window;
    window.resize(300, 200);
    QPushButton other(&window);  // holds the focus
    CHoverButton button(&window);
    button.move(30, 40);
    QVERIFY(button.LoadStrip(MakeStrip(5, 100, 24), 5));
    QCOMPARE(button.pos(), QPoint(30, 40));
    QCOMPARE(button.size(), QSize(100, 24));
    QCOMPARE(button.sizeHint(), QSize(100, 24));
  }

  // Walks the button through its states and checks the face on screen each time; the
  // two frames beyond the third never show.
  void framesFollowHoverFocusAndPress() {
    QWidget window;
    window.resize(300, 200);
    QPushButton other("other", &window);
    CHoverButton button(&window);
    button.move(30, 40);
    QVERIFY(button.LoadStrip(MakeStrip(5, 40, 20), 5));
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other.setFocus();

    QCOMPARE(CornerColour(&button), kFrameColours[kNormalFrame]);
    SendEnter(&button);
    QVERIFY(button.IsHovering());
    QCOMPARE(CornerColour(&button), kFrameColours[kHoverFrame]);
    SendLeave(&button);
    QVERIFY(!button.IsHovering());
    QCOMPARE(CornerColour(&button), kFrameColours[kNormalFrame]);

    button.setFocus();
    QVERIFY(button.hasFocus());
    QCOMPARE(CornerColour(&button), kFrameColours[kHoverFrame]);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(button.isDown());
    QCOMPARE(CornerColour(&button), kFrameColours[kPressedFrame]);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(CornerColour(&button), kFrameColours[kHoverFrame]);

    // A mouse move alone (without an enter) also starts the hover face.
    other.setFocus();
    SendLeave(&button);
    QTest::mouseMove(&button, QPoint(12, 8));
    QCOMPARE(CornerColour(&button), kFrameColours[kHoverFrame]);
  }

  void disablingDropsTheHoverFace() {
    QWidget window;
    CHoverButton button(&window);
    QVERIFY(button.LoadStrip(MakeStrip(3, 30, 20), 3));
    SendEnter(&button);
    QCOMPARE(button.CurrentFrame(), kHoverFrame);
    button.setEnabled(false);
    QCOMPARE(button.CurrentFrame(), kNormalFrame);
    QCOMPARE(CornerColour(&button), kFrameColours[kNormalFrame]);
  }

  void faceIsStretchedToTheButton() {
    QWidget window;
    CHoverButton button(&window);
    QPixmap strip(60, 10);
    {
      // Each frame: left half dark, right half light.
      QPainter painter(&strip);
      for (int k = 0; k < 3; ++k) {
        painter.fillRect(k * 20, 0, 10, 10, Qt::black);
        painter.fillRect(k * 20 + 10, 0, 10, 10, Qt::white);
      }
    }
    QVERIFY(button.LoadStrip(strip, 3));
    button.resize(80, 30);
    QImage image = button.grab().toImage();
    QCOMPARE(image.pixelColor(5, 15), QColor(Qt::black));
    QCOMPARE(image.pixelColor(35, 15), QColor(Qt::black));
    QCOMPARE(image.pixelColor(45, 15), QColor(Qt::white));
    QCOMPARE(image.pixelColor(78, 15), QColor(Qt::white));
  }

  void transparentColourShowsTheParent() {
    QWidget window;
    window.resize(120, 60);
    window.setAutoFillBackground(true);
    QPalette colours = window.palette();
    colours.setColor(QPalette::Window, QColor(0, 255, 0));
    window.setPalette(colours);
    QPixmap strip(90, 20);
    strip.fill(QColor(255, 0, 255));
    {
      QPainter painter(&strip);
      for (int k = 0; k < 3; ++k) painter.fillRect(k * 30 + 10, 5, 10, 10, kFrameColours[k]);
    }
    CHoverButton button(&window);
    button.move(10, 10);
    QVERIFY(button.LoadStrip(strip, 3, QColor(255, 0, 255)));
    window.show();
    QImage image = window.grab().toImage();
    QCOMPARE(image.pixelColor(12, 12), QColor(0, 255, 0));
    QCOMPARE(image.pixelColor(25, 20), kFrameColours[kNormalFrame]);
  }

  void captionCentredBlackOrGrey() {
    QWidget window;
    QPixmap strip(240, 40);
    strip.fill(Qt::white);
    CHoverButton button(QString::fromUtf8("閉じる"), &window);
    QVERIFY(button.LoadStrip(strip, 3));
    QCOMPARE(button.CaptionFont().pixelSize(), 12);
    QCOMPARE(button.CaptionFont().weight(), QFont::Bold);

    InkMeasure enabled = MeasureInk(button.grab().toImage(), 128);
    QVERIFY2(enabled.darkest < 40, "the enabled caption is black");
    QVERIFY(std::abs(enabled.centreX - 40) < 3);
    QVERIFY(std::abs(enabled.centreY - 20) < 3);

    button.setEnabled(false);
    InkMeasure disabled = MeasureInk(button.grab().toImage(), 250);
    QVERIFY2(disabled.darkest > 60, "the disabled caption is grey");
    QVERIFY2(disabled.centreX > 0, "the disabled caption is still drawn");
  }

  void withoutStripItIsAPushButton() {
    QWidget window;
    CHoverButton hover(QString::fromUtf8("情報"), &window);
    QPushButton plain(QString::fromUtf8("情報"), &window);
    QVERIFY(!hover.HasStrip());
    QCOMPARE(hover.sizeHint(), plain.sizeHint());
    hover.resize(80, 26);
    plain.resize(80, 26);
    QCOMPARE(hover.grab().toImage(), plain.grab().toImage());
  }

};

QTEST_MAIN(HoverButtonTest)
#include "hover_button_test.moc"
