// One program per data folder, with real processes: a second start on the same lists
// hands over to the running copy and ends, while a start on other lists runs beside it.
#include <unistd.h>

#include <QLocalSocket>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include "ui/app/program_main.h"

namespace {

constexpr int kStartMilliseconds = 20000;

QString DataFolderKey(const QString& folder) {
  qputenv("NUVARO_DATA_DIR", folder.toUtf8());
  const QString key = nuvaro::ui::ProgramInstanceKey();
  qunsetenv("NUVARO_DATA_DIR");
  return key;
}

bool Listening(const QString& key) {
  QLocalSocket socket;
  socket.connectToServer(QStringLiteral("%1-%2").arg(key).arg(getuid()));
  return socket.waitForConnected(200);
}

void StartProgram(QProcess& process, const QString& dataFolder) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("NUVARO_DATA_DIR"), dataFolder);
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(NUVARO_BIN_DIR "/Nuvaro"), {});
}

void Stop(QProcess& process) {
  process.terminate();
  if (!process.waitForFinished(3000)) process.kill();
  process.waitForFinished();
}

}  // namespace

class ProgramInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void ASecondCopyOnTheSameListsHandsOverAndEnds() {
    QTemporaryDir lists;
    QTemporaryDir otherLists;
    const QString key = DataFolderKey(lists.path() + "/");
    QVERIFY(key != DataFolderKey(otherLists.path() + "/"));

    QProcess first;
    StartProgram(first, lists.path() + "/");
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(Listening(key), kStartMilliseconds);

    QProcess second;
    StartProgram(second, lists.path() + "/");
    QVERIFY(second.waitForFinished(kStartMilliseconds));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);

    QProcess beside;
    StartProgram(beside, otherLists.path() + "/");
    QTRY_VERIFY_WITH_TIMEOUT(Listening(DataFolderKey(otherLists.path() + "/")), kStartMilliseconds);
    QCOMPARE(beside.state(), QProcess::Running);

    Stop(beside);
    Stop(first);
  }
};

QTEST_MAIN(ProgramInstanceTest)
#include "program_instance_test.moc"
