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

  void releaseOnBlueAfterOpeningOnRed() {
    Bench bench;
    bench.button->SetColour(kRed);
    CColourPopup* palette = bench.Open();
    QVERIFY(palette != nullptr);
    QVERIFY(bench.button->IsPopupOpen());
    QCOMPARE(palette->HotCell(), kRedCell);
    QCOMPARE(palette->CurrentCell(), kRedCell);

    QPoint blue = Bench::CellCentre(palette, kBlueCell);
    QTest::mouseMove(palette, blue);
    QCOMPARE(palette->HotCell(), kBlueCell);
    QCOMPARE(bench.button->Colour(), kRed);  // not tracking
    QTest::mouseClick(palette, Qt::LeftButton, {}, blue);

    QCOMPARE(bench.log, QStringList({Note("droppedDown", kRed), Note("selectionChanged", kBlue),
                                     Note("closedUp", kBlue), Note("selectionEnded", kBlue),
                                     Note("selectionChanged", kBlue)}));
    QCOMPARE(bench.button->Colour(), kBlue);
    QVERIFY(!bench.button->IsPopupOpen());
    QVERIFY(bench.PaletteGone());
  }

  void releaseOnTopRowRestoresTheOpeningColour() {
    Bench bench;
    bench.button->SetColour(kRed);
    CColourPopup* palette = bench.Open();
    QVERIFY(palette != nullptr);
    QPoint top = Bench::CellCentre(palette, kPaletteTopRow);
    QTest::mouseMove(palette, top);
    QTest::mouseClick(palette, Qt::LeftButton, {}, top);
    QCOMPARE(bench.log, QStringList({Note("droppedDown", kRed), Note("selectionChanged", kNoColour),
                                     Note("closedUp", kRed), Note("selectionCancelled", kRed)}));
    QCOMPARE(bench.button->Colour(), kRed);
  }

  void enterOnTopRowChoosesNoColour() {
    Bench bench;
    bench.button->SetColour(kRed);
    bench.button->SetDefaultColour(0x00D7FF);
    CColourPopup* palette = bench.Open();
    QVERIFY(palette != nullptr);
    QTest::keyClick(palette, Qt::Key_Up);
    QTest::keyClick(palette, Qt::Key_Up);
    QTest::keyClick(palette, Qt::Key_Up);
    QCOMPARE(palette->HotCell(), kPaletteTopRow);
    QTest::keyClick(palette, Qt::Key_Return);
    QCOMPARE(bench.log,
             QStringList({Note("droppedDown", kRed), Note("selectionChanged", 0x00008B),
                          Note("selectionChanged", 0x000000), Note("selectionChanged", kNoColour),
                          Note("closedUp", kNoColour), Note("selectionEnded", kNoColour),
                          Note("selectionChanged", kNoColour)}));
    QCOMPARE(bench.button->Colour(), kNoColour);
    QCOMPARE(SampleColour(bench.button), QColor(255, 215, 0));
  }

  void otherColourCancelledLeavesTheColour() {
    Bench bench;
    bench.button->SetColour(kRed);
    CColourPopup* palette = bench.Open();
    QVERIFY(palette != nullptr);
    QPoint other = Bench::CellCentre(palette, kPaletteBottomRow);
    QTest::mouseMove(palette, other);
    QTest::mouseClick(palette, Qt::LeftButton, {}, other);
    QCOMPARE(bench.dialogCalls, 1);
    QCOMPARE(bench.dialogInitial, QColor(255, 0, 0));
    QCOMPARE(bench.dialogParent, static_cast<QWidget*>(bench.button));
    QVERIFY2(!bench.paletteShownDuringDialog, "the palette lets go before the dialog runs");
    QCOMPARE(bench.log, QStringList({Note("droppedDown", kRed), Note("selectionChanged", kRed),
                                     Note("closedUp", kRed), Note("selectionCancelled", kRed)}));
    QCOMPARE(bench.button->Colour(), kRed);
    QVERIFY(bench.PaletteGone());
  }

  void otherColourChosenInTheDialog_data() {
    QTest::addColumn<QColor>("answer");
    QTest::addColumn<QStringList>("ending");
    const quint32 chosen = 0x1E140A;
    QTest::newRow("new colour") << QColor(10, 20, 30)
                                << QStringList({Note("closedUp", chosen), Note("selectionEnded", chosen),
                                                Note("selectionChanged", chosen)});
    QTest::newRow("same colour") << QColor(255, 0, 0)
                                 << QStringList({Note("closedUp", kRed), Note("selectionEnded", kRed)});
  }
  void otherColourChosenInTheDialog() {
    QFETCH(QColor, answer);
    QFETCH(QStringList, ending);
    Bench bench;
    bench.button->SetColour(kRed);
    bench.dialogAnswer = answer;
    CColourPopup* palette = bench.Open();
    QVERIFY(palette != nullptr);
    // By keyboard: from 赤 down to the bottom row, then Space.
    QTest::keyClick(palette, Qt::Key_Down);
    QTest::keyClick(palette, Qt::Key_Down);
    QTest::keyClick(palette, Qt::Key_Down);
    QCOMPARE(palette->HotCell(), kPaletteBottomRow);
    QTest::keyClick(palette, Qt::Key_Space);
    QCOMPARE(bench.dialogCalls, 1);
    QStringList expected = {Note("droppedDown", kRed), Note("selectionChanged", 0xCBC0FF),
                            Note("selectionChanged", 0xE1E4FF), Note("selectionChanged", kRed)};
    expected += ending;
    QCOMPARE(bench.log, expected);
    QCOMPARE(bench.button->Colour(), FromQColor(answer));
  }

  void escapeAfterWanderingCancels() {
    Bench bench;
    bench.button->SetColour(kRed);
    CColourPopup* palette = bench.Open();
    QVERIFY(palette != nullptr);
    QTest::mouseMove(palette, Bench::CellCentre(palette, 0));
    QTest::keyClick(palette, Qt::Key_Right);
    QCOMPARE(palette->ResultColour(), 0x002AA5u);
    QTest::keyClick(palette, Qt::Key_Escape);
    QCOMPARE(bench.log.mid(3), QStringList({Note("closedUp", kRed), Note("selectionCancelled", kRed)}));
    QCOMPARE(bench.button->Colour(), kRed);
    QCOMPARE(bench.dialogCalls, 0);
  }

  void releaseOutsideCancels() {
    Bench bench;
    bench.button->SetColour(kRed);
    CColourPopup* palette = bench.Open();
    QVERIFY(palette != nullptr);
    QTest::mouseMove(palette, Bench::CellCentre(palette, 39));
    QPoint outside(palette->width() + 30, palette->height() / 2);
    QTest::mousePress(palette, Qt::LeftButton, {}, outside);
    QVERIFY2(bench.button->IsPopupOpen(), "a press alone decides nothing");
    QTest::mouseRelease(palette, Qt::LeftButton, {}, outside);
    QCOMPARE(bench.log.mid(2), QStringList({Note("closedUp", kRed), Note("selectionCancelled", kRed)}));
    QCOMPARE(bench.button->Colour(), kRed);
  }

  void releaseInAGapChoosesTheHotColour() {
    Bench bench;
    bench.button->SetColour(kRed);
    CColourPopup* palette = bench.Open();
    QVERIFY(palette != nullptr);
    QTest::mouseMove(palette, Bench::CellCentre(palette, 39));
    // The window's margin is no cell: the hot cell stays. (QTest takes (0, 0) for
    // the centre, so the corner is (1, 1).)
    QTest::mouseMove(palette, QPoint(1, 1));
    QCOMPARE(palette->HotCell(), 39);
    QTest::mouseClick(palette, Qt::LeftButton, {}, QPoint(1, 1));
    QCOMPARE(bench.log.mid(2), QStringList({Note("closedUp", 0xFFFFFF), Note("selectionEnded", 0xFFFFFF),
                                            Note("selectionChanged", 0xFFFFFF)}));
  }

  void keyboardFromNoColour() {
    Bench bench;
    CColourPopup* palette = bench.Open();
    QVERIFY(palette != nullptr);
    QCOMPARE(palette->HotCell(), kPaletteTopRow);
    QTest::keyClick(palette, Qt::Key_Down);
    QTest::keyClick(palette, Qt::Key_Right);
    QTest::keyClick(palette, Qt::Key_Enter);
    QCOMPARE(bench.log, QStringList({Note("droppedDown", kNoColour), Note("selectionChanged", 0x000000),
                                     Note("selectionChanged", 0x002AA5), Note("closedUp", 0x002AA5),
                                     Note("selectionEnded", 0x002AA5), Note("selectionChanged", 0x002AA5)}));
  }

  void trackingFollowsAndCancelRestores() {
    Bench bench;
    bench.button->SetColour(kRed);
    bench.button->SetTrackSelection(true);
    CColourPopup* palette = bench.Open();
    QVERIFY(palette != nullptr);
    QTest::mouseMove(palette, Bench::CellCentre(palette, kBlueCell));
    QCOMPARE(bench.button->Colour(), kBlue);
    QCOMPARE(SampleColour(bench.button), QColor(0, 0, 255));
    QTest::mouseMove(palette, Bench::CellCentre(palette, kPaletteTopRow));
    QCOMPARE(bench.button->Colour(), kNoColour);
    QTest::keyClick(palette, Qt::Key_Escape);
    QCOMPARE(bench.button->Colour(), kRed);
    QCOMPARE(bench.log, QStringList({Note("droppedDown", kRed), Note("selectionChanged", kBlue),
                                     Note("selectionChanged", kNoColour), Note("closedUp", kRed),
                                     Note("selectionCancelled", kRed)}));
  }

  void trackedChoiceSendsNoSecondChange() {
    Bench bench;
    bench.button->SetColour(kRed);
    bench.button->SetTrackSelection(true);
    CColourPopup* palette = bench.Open();
    QVERIFY(palette != nullptr);
    QTest::keyClick(palette, Qt::Key_Left);
    QTest::keyClick(palette, Qt::Key_Return);
    QCOMPARE(bench.log, QStringList({Note("droppedDown", kRed), Note("selectionChanged", 0x7F7F7F),
                                     Note("closedUp", 0x7F7F7F), Note("selectionEnded", 0x7F7F7F)}));
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

  void closedFromOutsideCountsAsCancel() {
    Bench bench;
    bench.button->SetColour(kRed);
    CColourPopup* palette = bench.Open();
    QVERIFY(palette != nullptr);
    QTest::keyClick(palette, Qt::Key_Right);
    palette->close();
    QCOMPARE(bench.log.mid(2), QStringList({Note("closedUp", kRed), Note("selectionCancelled", kRed)}));
    QVERIFY(!bench.button->IsPopupOpen());
    QVERIFY(bench.PaletteGone());
  }

  void opensAgainAfterAChoice() {
    Bench bench;
    CColourPopup* first = bench.Open();
    QVERIFY(first != nullptr);
    QTest::keyClick(first, Qt::Key_Escape);
    QVERIFY(bench.PaletteGone());
    CColourPopup* second = bench.Open();
    QVERIFY(second != nullptr);
    QTest::mouseClick(second, Qt::LeftButton, {}, Bench::CellCentre(second, 5));
    QCOMPARE(bench.button->Colour(), ColourPalette[5].colour);
    QCOMPARE(bench.log.count(Note("droppedDown", kNoColour)), 2);
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
