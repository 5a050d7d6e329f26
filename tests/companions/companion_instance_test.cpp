// One running copy per user: a second start of a companion hands over to the first and
// ends at once, while the first goes on running.
#include <unistd.h>

#include <QLocalSocket>
#include <QProcess>
#include <QTest>

namespace {

constexpr int kStartMilliseconds = 10000;

bool Listening(const QString& name) {
  QLocalSocket socket;
  socket.connectToServer(QStringLiteral("%1-%2").arg(name).arg(getuid()));
  return socket.waitForConnected(200);
}

}  // namespace

class CompanionInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void SecondStartOnlyRaisesTheFirst_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("help") << QStringLiteral("NuvaroHelp");
    QTest::newRow("navi") << QStringLiteral("NuvaroNavi");
  }
  void SecondStartOnlyRaisesTheFirst() {
    QFETCH(QString, name);
    const QString program = QStringLiteral(NUVARO_BIN_DIR "/") + name;
    if (Listening(name)) QSKIP("a copy of this companion already runs for this user");

    QProcess first;
    first.start(program, {});
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(Listening(name), kStartMilliseconds);

    QProcess second;
    second.start(program, {});
    QVERIFY(second.waitForFinished(kStartMilliseconds));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);

    first.terminate();
    if (!first.waitForFinished(3000)) first.kill();
    first.waitForFinished();
  }
};

QTEST_MAIN(CompanionInstanceTest)
#include "companion_instance_test.moc"
