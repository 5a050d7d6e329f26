// The program's command line run as a user runs it, without a display: --help and
// --version answer on standard output, and the two PDF exports fail loudly and leave an
// existing file whole on every fault (a device that takes nothing, no engine, a disk that
// fills up while the PDF is written).
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "file_faults.h"
#include "program_folder.h"

using nuvaro::testing::ProgramFolder;

namespace {

struct Run {
  int status = -1;
  QString out;
  QString errors;
};

Run StartNuvaro(const QStringList& arguments, const QString& programDir = QString()) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
  if (!programDir.isEmpty()) environment.insert(QStringLiteral("NUVARO_PROGRAM_DIR"), programDir);
  process.setProcessEnvironment(environment);
  process.start(QString::fromStdString((ProgramFolder::BuiltProgramFolder() / "Nuvaro").string()), arguments);
  if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) return {};
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace

class ProgramCommandLineTest : public QObject {
  Q_OBJECT

 private slots:
  void helpAndVersionNeedNoDisplay() {
    const Run help = StartNuvaro({QStringLiteral("--help")});
    QCOMPARE(help.status, 0);
    for (const char* part : {"--print-calendar YYYY-MM|YYYY", "--print-reading PLUGIN", "--page-size", "--version"}) {
      QVERIFY2(help.out.contains(QLatin1String(part)), qPrintable(help.out));
    }
    const Run version = StartNuvaro({QStringLiteral("--version")});
    QCOMPARE(version.status, 0);
    QVERIFY2(version.out.contains(QRegularExpression(QStringLiteral("^Nuvaro .* \\d+\\.\\d+\\.\\d+\\n$"))),
             qPrintable(version.out));
  }

  void failedExportsSaySoAndKeepTheOldFile_data() {
    QTest::addColumn<bool>("calendar");
    QTest::addColumn<QString>("fault");
    for (bool calendar : {true, false}) {
      const char* name = calendar ? "calendar" : "reading";
      for (const char* fault : {"device", "no engine", "disk full"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(QLatin1String(name), QLatin1String(fault))))
            << calendar << QString::fromLatin1(fault);
      }
    }
  }
  void failedExportsSaySoAndKeepTheOldFile() {
    QFETCH(bool, calendar);
    QFETCH(QString, fault);
    ProgramFolder program;
    if (fault != QLatin1String("no engine")) program.CopyEngine();
    QTemporaryDir out;
    const QString target = fault == QLatin1String("device") ? QStringLiteral("/dev/full") : out.filePath("old.pdf");
    const QByteArray old = "%PDF-1.4 an earlier export\n%%EOF\n";
    if (target != QLatin1String("/dev/full")) {
      QFile file(target);
      QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    }
    const QString plugin =
        QString::fromStdString((ProgramFolder::BuiltProgramFolder() / "nvr" / "MatchLover.nvr").string());
    const QStringList arguments =
        calendar ? QStringList{"--print-calendar", "2026-05", "--name", QStringLiteral("山田 太郎"), "--output", target}
                 : QStringList{"--print-reading", plugin,   "--self",   QStringLiteral("山田 太郎,男,30"),
                               "--partner",       QStringLiteral("林 花子,女,20"), "--output", target};
    Run run;
    if (fault == QLatin1String("disk full")) {
      nuvaro::testing::DiskFullAfter full(4096);  // the child inherits the limit
      run = StartNuvaro(arguments, QString::fromStdString(program.Path().string()));
    } else {
      run = StartNuvaro(arguments, QString::fromStdString(program.Path().string()));
    }
    QCOMPARE(run.status, 1);
    QVERIFY2(!run.errors.trimmed().isEmpty(), "no message");
    if (target == QLatin1String("/dev/full")) return;
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot).size(), 1);
  }

  // A runaway argument is refused by its length, not echoed.
  void overlongArgumentsAreRefused() {
    // 𠮷, which code page 932 cannot hold either: 120000 bytes, under the kernel's bound on one argument.
    const QString huge = QStringLiteral("𠮷").repeated(30000);
    for (const QStringList& arguments :
         {QStringList{"--print-calendar", "2026-05", "--name", huge, "--output", "never.pdf"},
          QStringList{"--print-reading", "MatchLover", "--self", huge, "--output", "never.pdf"}}) {
      const Run run = StartNuvaro(arguments);
      QCOMPARE(run.status, 2);
      QVERIFY2(run.errors.contains(QStringLiteral("120000 バイト")), qPrintable(run.errors.left(300)));
      QVERIFY(run.errors.size() < 300);
    }
  }

  // The same export with nothing wrong replaces the old file with a whole PDF.
  void aGoodExportReplacesTheOldFile() {
    ProgramFolder program;
    program.CopyEngine();
    QTemporaryDir out;
    const QString target = out.filePath("old.pdf");
    QFile(target).open(QIODevice::WriteOnly);
    const Run run = StartNuvaro({"--print-calendar", "2026-05", "--name", QStringLiteral("山田 太郎"), "--output", target},
                                QString::fromStdString(program.Path().string()));
    QVERIFY2(run.status == 0, qPrintable(run.errors));
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF"));
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot).size(), 1);
  }
};

QTEST_GUILESS_MAIN(ProgramCommandLineTest)
#include "program_command_line_test.moc"
