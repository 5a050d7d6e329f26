// The member text carried by a drag: our own CP932 format, and plain text from other
// programs in the "name,sex,age band" form.
#include <QMimeData>
#include <QTest>

#include <memory>

#include "members/member_drag_data.h"
#include "test_text.h"

using nuvaro::testing::Sjis;
using nuvaro::testing::Utf8;
using namespace nuvaro::ui;

class MemberDragDataTest : public QObject {
  Q_OBJECT

 private slots:
  void OffersBothFormats() {
    // 表 ends in the byte 0x5C: it must travel unchanged.
    const std::string text = Sjis("表 ソ能,男,30");
    std::unique_ptr<QMimeData> data(MemberDragData(text));
    QCOMPARE(data->data(kMemberMimeType).toStdString(), text);
    QCOMPARE(data->text(), QString::fromUtf8("表 ソ能,男,30"));
    auto back = MemberTextFromDragData(data.get());
    QVERIFY(back.has_value());
    QCOMPARE(*back, text);
  }

  void ReadsPlainText_data() {
    QTest::addColumn<QString>("plain");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one line") << QString::fromUtf8("桃 太郎,男,30") << true << QString::fromUtf8("桃 太郎,男,30");
    QTest::newRow("line end dropped") << QString::fromUtf8("桃 太郎,男,30\r\n") << true
                                      << QString::fromUtf8("桃 太郎,男,30");
    QTest::newRow("first line with content") << QString::fromUtf8("\n  \r\n南瓜 花子,女,20\n桃 太郎,男,30") << true
                                             << QString::fromUtf8("南瓜 花子,女,20");
    QTest::newRow("half-width kana") << QString::fromUtf8("ﾓﾓ ﾀﾛｳ,男,10") << true << QString::fromUtf8("ﾓﾓ ﾀﾛｳ,男,10");
    QTest::newRow("no CP932 form") << QString::fromUtf8("𠮷田 太郎,男,30") << false << QString();
    QTest::newRow("only blank lines") << QString::fromUtf8("\r\n\n") << false << QString();
  }

  void ReadsPlainText() {
    QFETCH(QString, plain);
    QFETCH(bool, taken);
    QFETCH(QString, expected);
    QMimeData data;
    data.setText(plain);
    QVERIFY(MayHoldMemberText(&data));
    auto text = MemberTextFromDragData(&data);
    QCOMPARE(text.has_value(), taken);
    if (taken) QCOMPARE(QString::fromStdString(Utf8(*text)), expected);
  }

  void OwnFormatWinsOverPlainText() {
    QMimeData data;
    data.setData(kMemberMimeType, QByteArray::fromStdString(Sjis("桃 太郎,男,30")));
    data.setText(QStringLiteral("something else"));
    QCOMPARE(MemberTextFromDragData(&data).value(), Sjis("桃 太郎,男,30"));
  }

  void IgnoresDataWithoutText() {
    QMimeData image;
    image.setData(QStringLiteral("image/png"), QByteArray("\x89PNG", 4));
    QVERIFY(!MayHoldMemberText(&image));
    QVERIFY(!MemberTextFromDragData(&image).has_value());
    QVERIFY(!MayHoldMemberText(nullptr));
    QVERIFY(!MemberTextFromDragData(nullptr).has_value());
  }
};

QTEST_MAIN(MemberDragDataTest)
#include "member_drag_data_test.moc"
