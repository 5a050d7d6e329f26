// The program's message sink shows real Qt boxes: text, caption and buttons as asked,
// and the clicked button as the answer.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "platform/qt/qt_message_sink.h"
#include "platform/qt/text_conversion.h"
#include "test_text.h"

using nuvaro::testing::Sjis;
namespace platform = nuvaro::platform;

class QtMessageSinkTest : public QObject {
  Q_OBJECT

 private:
  // Runs `check` on the modal window as soon as it is shown.
  static void WhenModalShown(std::function<void(QWidget*)> check) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, check] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        timer->stop();
        timer->deleteLater();
        check(modal);
      }
    });
    timer->start();
  }

 private slots:
  void boxShowsTextCaptionAndAnswersTheClickedButton() {
    platform::QtMessageSink sink;
    QString seenText, seenTitle;
    int buttonCount = 0;
    WhenModalShown([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      QVERIFY(box != nullptr);
      seenText = box->text();
      seenTitle = box->windowTitle();
      buttonCount = static_cast<int>(box->buttons().size());
      box->button(QMessageBox::No)->click();
    });
    platform::MessageRequest request;
    request.text = Sjis("ごみ箱に捨てますか？");
    request.caption = Sjis("確認");
    request.buttons = platform::MessageButtons::YesNo;
    QCOMPARE(sink.ShowMessage(request), platform::kIdNo);
    QCOMPARE(seenText, QString::fromUtf8("ごみ箱に捨てますか？"));
    QCOMPARE(seenTitle, QString::fromUtf8("確認"));
    QCOMPARE(buttonCount, 2);
  }

  void cancelAnswersCancel() {
    platform::QtMessageSink sink;
    WhenModalShown([](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Cancel)->click(); });
    platform::MessageRequest request;
    request.text = Sjis("初期値に戻してよろしいですか？");
    request.buttons = platform::MessageButtons::OkCancel;
    QCOMPARE(sink.ShowMessage(request), platform::kIdCancel);
  }

  void emptyDialogCarriesItsCaptionAndASizeFromDialogUnits() {
    platform::QtMessageSink sink;
    QString title;
    QSize size;
    WhenModalShown([&](QWidget* modal) {
      title = modal->windowTitle();
      size = modal->size();
      qobject_cast<QDialog*>(modal)->reject();
    });
    sink.ShowEmptyDialog({nullptr, Sjis("恋人相性"), 187, 93});
    QCOMPARE(title, QString::fromUtf8("恋人相性"));
    QVERIFY(size.width() > size.height());
    QVERIFY(size.width() >= 187);
  }

  void textConversionAtTheWidgetEdge() {
    QCOMPARE(platform::QStringFromCp932(Sjis("表ソ能")), QString::fromUtf8("表ソ能"));
    QCOMPARE(platform::QStringToCp932(QString::fromUtf8("髙橋")).value(), Sjis("髙橋"));
    QVERIFY(!platform::QStringToCp932(QString::fromUtf8("\xF0\xA0\xAE\xB7")).has_value());  // 𠮷
    QVERIFY(!platform::QStringToCp932(QString::fromUtf8("\xE2\x98\x83")).has_value());
  }
};

QTEST_MAIN(QtMessageSinkTest)
#include "qt_message_sink_test.moc"
