// CColorButton and its palette driven as a user would: mouse and keyboard sequences,
// the five notifications in their order, the cancel paths, the colour dialog of
// "その他の色" (injected, it never blocks) and the palette kept on the screen.
#include <QtTest>

#include <QApplication>
#include <QHelpEvent>
#include <QScreen>
#include <QToolTip>

#include "ui/controls/color_button.h"
#include "ui/controls/colour_palette.h"

using namespace nuvaro::ui;

namespace {

constexpr int kButtonId = 1044;
constexpr quint32 kRed = 0x0000FF;
constexpr quint32 kBlue = 0xFF0000;
constexpr int kRedCell = 16;
constexpr int kBlueCell = 13;

QString Note(const char* name, quint32 colour) {
  return QString("%1 %2 %3").arg(name).arg(colour, 8, 16, QChar('0')).arg(kButtonId);
}

// A dialog box with a button in it, the five notifications written down in order and a
// scripted colour dialog.
class Bench {
 public:
  // The button's position counts from the screen's top-left corner, or from its
  // bottom-right corner for negative coordinates.
  explicit Bench(QPoint buttonPosition = QPoint(20, 20)) {
    QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // QTest moves the mouse by moving the cursor, and a move to where the cursor
    // already is sends nothing: every bench starts with the cursor out of the way.
    QCursor::setPos(screen.bottomRight());
    window.setWindowFlags(Qt::FramelessWindowHint);
    window.setGeometry(screen);
    if (buttonPosition.x() < 0) buttonPosition.rx() += screen.width();
    if (buttonPosition.y() < 0) buttonPosition.ry() += screen.height();
    button = new CColorButton(QString::fromUtf8("背景"), &window);
    button->setGeometry(QRect(buttonPosition, QSize(80, 24)));
    button->SetControlId(kButtonId);
    auto record = [this](const char* name) {
      return [this, name](quint32 colour, int id) {
        log << QString("%1 %2 %3").arg(name).arg(colour, 8, 16, QChar('0')).arg(id);
      };
    };
    QObject::connect(button, &CColorButton::selectionChanged, record("selectionChanged"));
    QObject::connect(button, &CColorButton::droppedDown, record("droppedDown"));
    QObject::connect(button, &CColorButton::closedUp, record("closedUp"));
    QObject::connect(button, &CColorButton::selectionEnded, record("selectionEnded"));
    QObject::connect(button, &CColorButton::selectionCancelled, record("selectionCancelled"));
    button->SetColourDialog([this](QWidget* parent, const QColor& initial) -> std::optional<QColor> {
      ++dialogCalls;
      dialogParent = parent;
      dialogInitial = initial;
      paletteShownDuringDialog = button->Palette() != nullptr && button->Palette()->isVisible();
      return dialogAnswer;
    });
    window.show();
  }

  // Clicks the button and returns the palette it opened.
  CColourPopup* Open() {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    CColourPopup* palette = button->Palette();
    if (palette != nullptr && !palette->isVisible()) return nullptr;
    return palette;
  }

  static QPoint CellCentre(CColourPopup* palette, int cell) { return palette->Layout().CellRect(cell).center(); }

  // Waits until the ended palette has gone.
  bool PaletteGone() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return button->Palette() == nullptr;
  }

  QWidget window;
  CColorButton* button = nullptr;
  QStringList log;
  int dialogCalls = 0;
  QWidget* dialogParent = nullptr;
  QColor dialogInitial;
  bool paletteShownDuringDialog = true;
  std::optional<QColor> dialogAnswer;
};

// Colour of the button's sample, left of the drop-down mark.
QColor SampleColour(QWidget* button) { return button->grab().toImage().pixelColor(25, 12); }

}  // namespace

class ColorButtonTest : public QObject {
  Q_OBJECT

 private slots:
  void startsWithoutColourInBlack() {
    Bench bench;
    QCOMPARE(bench.button->Colour(), kNoColour);
    QCOMPARE(bench.button->DefaultColour(), 0u);
    QCOMPARE(bench.button->DefaultText(), QString::fromUtf8("キャンセル"));
    QCOMPARE(bench.button->CustomText(), QString::fromUtf8("その他の色"));
    QCOMPARE(SampleColour(bench.button), QColor(0, 0, 0));
    bench.button->SetDefaultColour(0x00D7FF);
    QCOMPARE(SampleColour(bench.button), QColor(255, 215, 0));
    bench.button->SetColour(0x98FB98);
    QCOMPARE(bench.button->Colour(), 0x98FB98u);
    QCOMPARE(SampleColour(bench.button), QColor(152, 251, 152));
    // Disabled, the colour is not painted at all.
    bench.button->setEnabled(false);
    QImage disabled = bench.button->grab().toImage();
    bench.button->SetColour(kBlue);
    QCOMPARE(bench.button->grab().toImage(), disabled);
    QVERIFY(SampleColour(bench.button) != QColor(0, 0, 255));
  }

  // A user's sequence on an open palette, written as steps: "m<cell>" move the mouse
  // onto a cell, "c<cell>" click it (cells by number, T top row, B bottom row),
  // "k<key>" press U D L R Enter Space Esc, "out" click outside the palette, "gap"
  // click its corner margin, "close" close it from outside.
  void paletteSequences_data() {
    QTest::addColumn<quint32>("opening");
    QTest::addColumn<bool>("track");
    QTest::addColumn<QColor>("dialogAnswer");  // invalid: the dialog, if it runs, is cancelled
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("notes");  // after droppedDown
    QTest::addColumn<quint32>("colour");
    const quint32 none = kNoColour;
    auto chosen = [](quint32 c) {
      return QStringList({Note("closedUp", c), Note("selectionEnded", c), Note("selectionChanged", c)});
    };
    const QStringList cancelled = {Note("closedUp", kRed), Note("selectionCancelled", kRed)};
    QTest::newRow("release on blue") << kRed << false << QColor() << "m13 c13"
                                     << QStringList{Note("selectionChanged", kBlue)} + chosen(kBlue) << kBlue;
    QTest::newRow("release on top row") << kRed << false << QColor() << "mT cT"
                                        << QStringList{Note("selectionChanged", none)} + cancelled << kRed;
    QTest::newRow("enter on top row") << kRed << false << QColor() << "kU kU kU kEnter"
                                      << QStringList{Note("selectionChanged", 0x00008B), Note("selectionChanged", 0),
                                                     Note("selectionChanged", none)} + chosen(none)
                                      << none;
    QTest::newRow("other colour, dialog cancelled") << kRed << false << QColor() << "mB cB"
                                                    << QStringList{Note("selectionChanged", kRed)} + cancelled << kRed;
    const QStringList downToBottom = {Note("selectionChanged", 0xCBC0FF), Note("selectionChanged", 0xE1E4FF),
                                      Note("selectionChanged", kRed)};
    QTest::newRow("other colour chosen") << kRed << false << QColor(10, 20, 30) << "kD kD kD kSpace"
                                         << downToBottom + chosen(0x1E140A) << 0x1E140Au;
    QTest::newRow("other colour, same as before")
        << kRed << false << QColor(255, 0, 0) << "kD kD kD kSpace"
        << downToBottom + QStringList{Note("closedUp", kRed), Note("selectionEnded", kRed)} << kRed;
    QTest::newRow("escape after wandering") << kRed << false << QColor() << "m0 kR kEsc"
                                            << QStringList{Note("selectionChanged", 0), Note("selectionChanged", 0x002AA5)} +
                                                   cancelled
                                            << kRed;
    QTest::newRow("release outside") << kRed << false << QColor() << "m39 out"
                                     << QStringList{Note("selectionChanged", 0xFFFFFF)} + cancelled << kRed;
    QTest::newRow("release in a gap keeps the hot colour")
        << kRed << false << QColor() << "m39 gap" << QStringList{Note("selectionChanged", 0xFFFFFF)} + chosen(0xFFFFFF)
        << 0xFFFFFFu;
    QTest::newRow("closed from outside") << kRed << false << QColor() << "kR close"
                                         << QStringList{Note("selectionChanged", 0x5BADFF)} + cancelled << kRed;
    QTest::newRow("keyboard from no colour")
        << none << false << QColor() << "kD kR kEnter"
        << QStringList{Note("selectionChanged", 0), Note("selectionChanged", 0x002AA5)} + chosen(0x002AA5) << 0x002AA5u;
    QTest::newRow("tracking, then cancel") << kRed << true << QColor() << "m13 mT kEsc"
                                           << QStringList{Note("selectionChanged", kBlue), Note("selectionChanged", none)} +
                                                  cancelled
                                           << kRed;
    QTest::newRow("tracking sends no second change")
        << kRed << true << QColor() << "kL kEnter"
        << QStringList{Note("selectionChanged", 0x7F7F7F), Note("closedUp", 0x7F7F7F), Note("selectionEnded", 0x7F7F7F)}
        << 0x7F7F7Fu;
  }
  void paletteSequences() {
    QFETCH(quint32, opening);
    QFETCH(bool, track);
    QFETCH(QColor, dialogAnswer);
    QFETCH(QString, steps);
    QFETCH(QStringList, notes);
    QFETCH(quint32, colour);
    Bench bench;
    bench.button->SetColour(opening);
    bench.button->SetTrackSelection(track);
    if (dialogAnswer.isValid()) bench.dialogAnswer = dialogAnswer;
    CColourPopup* palette = bench.Open();
    QVERIFY(palette != nullptr);
    QVERIFY(bench.button->IsPopupOpen());
    const QMap<QString, Qt::Key> keys = {{"U", Qt::Key_Up},       {"D", Qt::Key_Down},      {"L", Qt::Key_Left},
                                         {"R", Qt::Key_Right},    {"Enter", Qt::Key_Return}, {"Space", Qt::Key_Space},
                                         {"Esc", Qt::Key_Escape}};
    auto cellOf = [](QString text) {
      return text == "T" ? kPaletteTopRow : text == "B" ? kPaletteBottomRow : text.toInt();
    };
    for (const QString& step : steps.split(' ')) {
      if (step == "out") {
        QPoint outside(palette->width() + 30, palette->height() / 2);
        QTest::mousePress(palette, Qt::LeftButton, {}, outside);
        QVERIFY2(bench.button->IsPopupOpen(), "a press alone decides nothing");
        QTest::mouseRelease(palette, Qt::LeftButton, {}, outside);
      } else if (step == "gap") {
        // (1, 1): QTest takes (0, 0) for the centre.
        QTest::mouseMove(palette, QPoint(1, 1));
        QTest::mouseClick(palette, Qt::LeftButton, {}, QPoint(1, 1));
      } else if (step == "close") {
        palette->close();
      } else if (step[0] == 'k') {
        QTest::keyClick(palette, keys.value(step.mid(1)));
      } else {
        int cell = cellOf(step.mid(1));
        QPoint point = Bench::CellCentre(palette, cell);
        if (step[0] == 'm') {
          QTest::mouseMove(palette, point);
          QCOMPARE(palette->HotCell(), cell);
          // A tracking button takes the colour it has just announced.
          if (track) QCOMPARE(Note("selectionChanged", bench.button->Colour()), bench.log.last());
        } else {
          QTest::mouseClick(palette, Qt::LeftButton, {}, point);
        }
      }
    }
    QCOMPARE(bench.log.first(), Note("droppedDown", opening));
    QCOMPARE(bench.log.mid(1), notes);
    QCOMPARE(bench.button->Colour(), colour);
    QVERIFY(!bench.button->IsPopupOpen());
    QVERIFY(bench.PaletteGone());
    // The dialog runs exactly for a choice ending on the bottom row.
    const bool endsOnBottomRow = steps.endsWith("cB") || steps.endsWith("kD kD kD kSpace");
    QCOMPARE(bench.dialogCalls, endsOnBottomRow ? 1 : 0);
    if (endsOnBottomRow) {
      QCOMPARE(bench.dialogInitial, ToQColor(opening));
      QCOMPARE(bench.dialogParent, static_cast<QWidget*>(bench.button));
      QVERIFY2(!bench.paletteShownDuringDialog, "the palette lets go before the dialog runs");
    }
  }

  void noColourIsPaintedInTheDefaultColour() {
    Bench bench;
    bench.button->SetDefaultColour(0x00D7FF);
    bench.button->SetColour(kRed);
    CColourPopup* palette = bench.Open();
    QVERIFY(palette != nullptr);
    QTest::mouseMove(palette, Bench::CellCentre(palette, kPaletteTopRow));
    QTest::keyClick(palette, Qt::Key_Return);
    QCOMPARE(bench.button->Colour(), kNoColour);
    QCOMPARE(SampleColour(bench.button), QColor(255, 215, 0));
  }

  void paletteStaysOnScreen_data() {
    QTest::addColumn<QPoint>("buttonPosition");
    QTest::addColumn<bool>("above");
    QTest::newRow("top left") << QPoint(20, 20) << false;
    QTest::newRow("near the bottom") << QPoint(20, -40) << true;
    QTest::newRow("near the right edge") << QPoint(-90, 20) << false;
    QTest::newRow("bottom right corner") << QPoint(-85, -25) << true;
  }
  void paletteStaysOnScreen() {
    QFETCH(QPoint, buttonPosition);
    QFETCH(bool, above);
    Bench bench(buttonPosition);
    CColourPopup* palette = bench.Open();
    QVERIFY(palette != nullptr);
    QRect screen = bench.button->screen()->availableGeometry();
    QRect button(bench.button->mapToGlobal(QPoint(0, 0)), bench.button->size());
    QRect shown = palette->frameGeometry();
    QVERIFY2(screen.contains(shown), "the palette is wholly on the screen");
    if (above) {
      QCOMPARE(shown.bottom() + 1, button.top());
    } else {
      QCOMPARE(shown.top(), button.bottom() + 1);
    }
    if (shown.left() != button.left()) QCOMPARE(shown.right(), screen.right());
    QTest::keyClick(palette, Qt::Key_Escape);
  }

  void startingCells_data() {
    QTest::addColumn<quint32>("colour");
    QTest::addColumn<QString>("topText");
    QTest::addColumn<int>("cell");
    const QString cancel = QString::fromUtf8("キャンセル");
    QTest::newRow("palette colour") << 0xFFFFFFu << cancel << 39;
    QTest::newRow("no colour") << kNoColour << cancel << kPaletteTopRow;
    QTest::newRow("other colour") << 0x123456u << cancel << kPaletteBottomRow;
    QTest::newRow("no colour without top text") << kNoColour << QString() << kPaletteBottomRow;
  }
  void startingCells() {
    QFETCH(quint32, colour);
    QFETCH(QString, topText);
    QFETCH(int, cell);
    Bench bench;
    bench.button->SetColour(colour);
    bench.button->SetDefaultText(topText);
    CColourPopup* palette = bench.Open();
    QVERIFY(palette != nullptr);
    QCOMPARE(palette->Layout().HasTopRow(), !topText.isEmpty());
    QCOMPARE(palette->HotCell(), cell);
    QCOMPARE(palette->CurrentCell(), cell);
    QTest::keyClick(palette, Qt::Key_Escape);
  }

  void paletteShowsEachColourInItsCellWithItsName() {
    Bench bench;
    bench.button->SetColour(kRed);
    CColourPopup* palette = bench.Open();
    QVERIFY(palette != nullptr);
    QImage image = palette->grab().toImage();
    for (int cell = 0; cell < kPaletteColourCount; ++cell) {
      QCOMPARE(image.pixelColor(Bench::CellCentre(palette, cell)), ToQColor(ColourPalette[cell].colour));
    }
    QPoint red = Bench::CellCentre(palette, kRedCell);
    QHelpEvent help(QEvent::ToolTip, red, palette->mapToGlobal(red));
    QApplication::sendEvent(palette, &help);
    QCOMPARE(QToolTip::text(), QString::fromUtf8("赤"));
    QTest::keyClick(palette, Qt::Key_Escape);
  }
};

QTEST_MAIN(ColorButtonTest)
#include "color_button_test.moc"
