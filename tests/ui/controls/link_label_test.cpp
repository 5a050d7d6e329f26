// CLinkLabel: the command a click sends, the open action, hover colours, background,
// font setters and the tooltip's timing and width.
#include <QtTest>

#include <QApplication>
#include <QEnterEvent>

#include <memory>

#include "ui/controls/colour_value.h"
#include "ui/controls/link_label.h"

using namespace nuvaro::ui;

namespace {

// A window that records the commands it receives, as the main frame routes them.
class CommandRecorder : public QWidget {
 public:
  std::vector<CommandValue> commands;

 protected:
  bool event(QEvent* event) override {
    if (event->type() == CommandEvent::EventType()) {
      commands.push_back(static_cast<CommandEvent*>(event)->Command());
      return true;
    }
    return QWidget::event(event);
  }
};

void SendEnter(QWidget* widget, QPoint local = QPoint(3, 3)) {
  QEnterEvent enter(local, local, widget->mapToGlobal(QPointF(local)));
  QApplication::sendEvent(widget, &enter);
}

void SendLeave(QWidget* widget) {
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(widget, &leave);
}

// Counts the pixels of one colour in a widget's picture.
int CountPixels(const QImage& image, const QColor& colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour ? 1 : 0;
  }
  return count;
}

}  // namespace

class LinkLabelTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    opened_.clear();
    previousOpen_ = CLinkLabel::SetOpenHandler([this](const QString& text) {
      opened_.push_back(text);
      return true;
    });
  }
  void cleanup() { CLinkLabel::SetOpenHandler(std::move(previousOpen_)); }

  void clickSendsCommandWithHighWord200() {
    CommandRecorder frame;
    CommandRecorder view;
    CLinkLabel label(QString::fromUtf8("夫婦の相性編"), &view);
    label.resize(120, 20);
    label.SetCommand(3, &frame);
    QSignalSpy issued(&label, &CLinkLabel::commandIssued);
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(issued.count(), 1);
    QCOMPARE(issued.at(0).at(0).toUInt(), (200u << 16) | 3u);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(frame.commands, std::vector<CommandValue>{(200u << 16) | 3u});
    QVERIFY(view.commands.empty());
    QCOMPARE(CommandId(frame.commands[0]), 3);
    QCOMPARE(CommandCode(frame.commands[0]), kLinkClickCode);
  }

  void commandWithoutTargetGoesToTheParent() {
    CommandRecorder view;
    CLinkLabel label(QString::fromUtf8("●山田太郎さんの運勢カレンダー"), &view);
    label.resize(200, 20);
    label.SetCommand(100);
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(view.commands, std::vector<CommandValue>{MakeCommand(100, 200)});
  }

  void targetGoneMeansNoCommand() {
    CommandRecorder view;
    auto frame = std::make_unique<CommandRecorder>();
    CLinkLabel label(QString::fromUtf8("見出し"), &view);
    label.resize(100, 20);
    label.SetCommand(7, frame.get());
    frame.reset();
    QSignalSpy issued(&label, &CLinkLabel::commandIssued);
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(issued.count(), 1);
    QVERIFY(view.commands.empty());
  }

  void clicksThatSendNothing() {
    CommandRecorder view;
    CLinkLabel plain(QString::fromUtf8("2024年5月"), &view);
    CLinkLabel link(QString::fromUtf8("リンク"), &view);
    plain.resize(100, 20);
    link.resize(100, 20);
    link.SetCommand(5);
    QSignalSpy plainClicks(&plain, &CLinkLabel::clicked);
    QSignalSpy linkClicks(&link, &CLinkLabel::clicked);
    // A label that is no link neither reacts nor lights up.
    QTest::mouseClick(&plain, Qt::LeftButton, {}, QPoint(5, 5));
    SendEnter(&plain);
    QVERIFY(!plain.IsHovering());
    // A press that is released elsewhere, or another button, is no click.
    QTest::mousePress(&link, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(150, 5));
    QTest::mouseClick(&link, Qt::RightButton, {}, QPoint(5, 5));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(plainClicks.count() + linkClicks.count(), 0);
    QVERIFY(view.commands.empty());
  }

  void clickOpensTheTextBeforeTheCommand() {
    CommandRecorder view;
    CLinkLabel label(QString::fromUtf8("ホームページ"), &view);
    label.resize(100, 20);
    label.SetOpenText("https://example.invalid/");
    QVERIFY(label.IsLinked());
    std::vector<QString> order;
    connect(&label, &CLinkLabel::commandIssued, [&](quint32) { order.push_back(opened_.empty() ? "command" : "open+command"); });
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(opened_, QStringList{"https://example.invalid/"});
    QVERIFY(order.empty());  // no command set: nothing sent
    label.SetCommand(1010);
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(order, std::vector<QString>{"open+command"});
    QCOMPARE(opened_.size(), 2);
  }

  void receiverMayDeleteTheLabel() {
    CommandRecorder view;
    auto* label = new CLinkLabel(QString::fromUtf8("消える"), &view);
    label->resize(100, 20);
    label->SetCommand(9);
    connect(label, &CLinkLabel::clicked, label, [label] { delete label; });
    QPointer<CLinkLabel> watch(label);
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(watch.isNull());
    QCoreApplication::sendPostedEvents();
    QCOMPARE(view.commands, std::vector<CommandValue>{MakeCommand(9, 200)});
  }

  void hoverColourWhileTheMouseRests() {
    QWidget window;
    window.resize(200, 60);
    CLinkLabel label(QString::fromUtf8("恋人の相性編"), &window);
    label.SetTextColour(QColor(51, 51, 204));
    label.SetHeight(20);
    label.SetCommand(2);
    label.resize(label.sizeHint());
    window.show();
    QCOMPARE(label.HoverColour(), ToQColor(0x8000FF));
    QVERIFY(CountPixels(label.grab().toImage(), QColor(51, 51, 204)) > 0);

    SendEnter(&label);
    QVERIFY(label.IsHovering());
    QImage hovered = label.grab().toImage();
    QVERIFY(CountPixels(hovered, QColor(255, 0, 128)) > 0);
    QCOMPARE(CountPixels(hovered, QColor(51, 51, 204)), 0);

    SendLeave(&label);
    QVERIFY(!label.IsHovering());
    QCOMPARE(CountPixels(label.grab().toImage(), QColor(255, 0, 128)), 0);
  }

  void backgroundTransparentUntilAColourIsSet() {
    QWidget window;
    window.resize(200, 60);
    window.setAutoFillBackground(true);
    QPalette colours = window.palette();
    colours.setColor(QPalette::Window, QColor(0, 200, 0));
    window.setPalette(colours);
    CLinkLabel label(QString::fromUtf8("相手があなたに何を願っているのかがわかります。"), &window);
    label.setGeometry(10, 10, 150, 30);
    window.show();
    auto cornerOfLabel = [&] { return window.grab().toImage().pixelColor(12, 12); };
    QVERIFY(!label.IsBackgroundOpaque());
    QCOMPARE(cornerOfLabel(), QColor(0, 200, 0));
    label.SetBackgroundColour(QColor(255, 230, 179));
    QVERIFY(label.IsBackgroundOpaque());
    QCOMPARE(cornerOfLabel(), QColor(255, 230, 179));
    label.SetTransparentBackground();
    QCOMPARE(cornerOfLabel(), QColor(0, 200, 0));
  }

  void tooltipWaitsShowsWrapsAndHides() {
    QWidget window;
    window.resize(300, 100);
    CLinkLabel label(QString::fromUtf8("夫婦の攻略編"), &window);
    label.setGeometry(10, 10, 120, 20);
    window.show();
    QString longTip = QString::fromUtf8("ヌヴァロ君を使って具体的な問題解決の方法を説明します。").repeated(3);
    label.SetTipText(longTip);
    CTipWindow* tip = label.Tip();
    QCOMPARE(tip->Timing().showDelayMs, 100);
    QCOMPARE(tip->Timing().keepMs, 20000);

    SendEnter(&label);
    QVERIFY(!tip->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(tip->isVisible(), 1000);
    QVERIFY(tip->width() <= 300);
    QFontMetrics metrics(tip->font());
    QVERIFY2(tip->height() > 2 * metrics.height(), "a long tip wraps onto several lines");
    QCOMPARE(tip->margin(), 8);

    SendLeave(&label);
    QVERIFY(!tip->isVisible());

    // A short tip is one line, sized to its text plus the margins.
    label.SetTipText(QString::fromUtf8("短い"));
    SendEnter(&label);
    QTRY_VERIFY_WITH_TIMEOUT(tip->isVisible(), 1000);
    QVERIFY(tip->width() < 300);
    QVERIFY(tip->width() >= metrics.horizontalAdvance(QString::fromUtf8("短い")) + 16);
    QVERIFY(tip->height() < 2 * metrics.height() + 16 + 2);
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!tip->isVisible());
  }

  void tooltipGoesAwayAfterItsTime() {
    QWidget window;
    CLinkLabel label(QString::fromUtf8("情報"), &window);
    window.show();
    // A tip window of short timings stands in for the 20-second one.
    CTipWindow tip(&label, TipTiming{10, 50, 300, 8});
    tip.SetTipText(QString::fromUtf8("説明"));
    tip.Arm(label.mapToGlobal(QPoint(2, 2)));
    QTRY_VERIFY_WITH_TIMEOUT(tip.isVisible(), 1000);
    QTRY_VERIFY_WITH_TIMEOUT(!tip.isVisible(), 1000);
    // It does not come back while the mouse stays.
    tip.Arm(label.mapToGlobal(QPoint(3, 2)));
    QTest::qWait(60);
    QVERIFY(!tip.isVisible());
  }

 private:
  QStringList opened_;
  CLinkLabel::OpenHandler previousOpen_;
};

QTEST_MAIN(LinkLabelTest)
#include "link_label_test.moc"
