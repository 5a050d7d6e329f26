// What a later copy hands to the running one: every copy raises the window; a wish of
// its own arrives whole, and a line that is no wish (too long, not plain ASCII, none at
// all) only raises.
#include <QtTest>

#include <QLocalSocket>

#include "platform/qt/single_instance.h"

using nuvaro::platform::SingleInstance;

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void aLaterCopyIsRaisedAndHandsOverItsWish_data() {
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QStringList>("wishes");
    QTest::newRow("raise") << QByteArray("raise\n") << QStringList{};
    QTest::newRow("name finder") << QByteArray("name-finder\n") << QStringList{"name-finder"};
    QTest::newRow("nothing, then gone") << QByteArray() << QStringList{};
    QTest::newRow("cut at a control byte") << QByteArray("name-finder\x01rm\n") << QStringList{"name-finder"};
    QTest::newRow("overlong") << QByteArray(200, 'a') << QStringList{};
  }
  void aLaterCopyIsRaisedAndHandsOverItsWish() {
    QFETCH(QByteArray, sent);
    QFETCH(QStringList, wishes);
    const QString key = QStringLiteral("NuvaroTest-%1").arg(QCoreApplication::applicationPid());
    SingleInstance running(key);
    QVERIFY(running.Listen());
    int raised = 0;
    QStringList received;
    connect(&running, &SingleInstance::raiseRequested, this, [&raised] { ++raised; });
    connect(&running, &SingleInstance::wishReceived, this, [&received](const QString& wish) { received << wish; });

    QLocalSocket later;
    later.connectToServer(running.ServerName());
    QVERIFY(later.waitForConnected(1000));
    later.write(sent);
    later.waitForBytesWritten(1000);
    later.disconnectFromServer();

    QTRY_COMPARE(raised, 1);
    QTest::qWait(50);  // nothing more follows
    QCOMPARE(raised, 1);
    QCOMPARE(received, wishes);
  }

  // The program's own way of handing over, through the class itself.
  void anotherCopyRunsSendsTheWish() {
    const QString key = QStringLiteral("NuvaroTestWish-%1").arg(QCoreApplication::applicationPid());
    SingleInstance running(key);
    QVERIFY(running.Listen());
    QStringList received;
    connect(&running, &SingleInstance::wishReceived, this, [&received](const QString& wish) { received << wish; });
    SingleInstance later(key);
    QVERIFY(later.AnotherCopyRuns(QStringLiteral("name-finder")));
    QTRY_COMPARE(received, QStringList{"name-finder"});
    QVERIFY(!SingleInstance(key + QStringLiteral("-none")).AnotherCopyRuns());
  }
};

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
