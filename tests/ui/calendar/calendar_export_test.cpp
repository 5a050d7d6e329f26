// The command-line export, run as a user runs it: the PDF of a month holds every day's
// number, old-calendar label and rokuyou, a year gives twelve pages with the year's
// holidays, the settings file chooses the holiday law, and unusable arguments end with a message and a non-zero status.
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <map>
#include <memory>

#include "calendar/calendar_month.h"
#include "calendar/civil_date.h"
#include "calendar/current_holidays.h"
#include "calendar/month_drawing_data.h"
#include "program_folder.h"
#include "test_text.h"

using nuvaro::testing::ProgramFolder;
using nuvaro::testing::Utf8;
using namespace nuvaro;

namespace {

struct Run {
  int status = -1;
  QString errors;
};

QString Tool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(60000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The PDF's text without white space: a label the extraction splits still matches.
QString PdfText(const QString& path) {
  // In drawing order: each label stays in one piece.
  QString text = Tool(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), path, QStringLiteral("-")});
  text.remove(QRegularExpression(QStringLiteral("\\s")));
  return text;
}

QString Text(const std::string& cp932) {
  QString text = QString::fromStdString(Utf8(cp932));
  text.remove(QRegularExpression(QStringLiteral("\\s")));
  return text;
}

}  // namespace

class CalendarExportTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ProgramFolder> folder_;

  Run Export(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));  // the export needs no display
    environment.remove(QStringLiteral("DISPLAY"));
    process.setProcessEnvironment(environment);
    process.start(QString::fromStdString(ProgramFolder::BuiltProgramFolder() / "Nuvaro"), arguments);
    if (!process.waitForFinished(120000)) return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
  }

  QString Pdf(const char* name) const { return QString::fromStdString(folder_->File(name)); }

 private slots:
  void initTestCase() {
    folder_ = std::make_unique<ProgramFolder>();
    folder_->CopyEngine();
  }

  void monthHoldsEveryDaysLabels() {
    Run run = Export({"--print-calendar", "2003-08", "--name", QString::fromUtf8("山田 太郎"), "--output",
                      Pdf("month.pdf")});
    QVERIFY2(run.status == 0, qPrintable(run.errors));
    QString text = PdfText(Pdf("month.pdf"));
    QVERIFY(text.contains(QString::fromUtf8("2003年8月●山田太郎さんの運勢カレンダー")));
    // Every day's old-calendar label, and each rokuyou name as often as the month has it.
    // The labels of the default reckoning (the old calendar from the sun and the moon).
    const calendar::CalendarMonth month = calendar::BuildCalendarMonth(2003, 8, calendar::CalendarChoices{});
    std::map<QString, int> rokuyou;
    for (int day = 1; day <= 31; ++day) {
      const calendar::CalendarDay& cell = month.days[static_cast<std::size_t>(day - 1)];
      QVERIFY2(text.contains(Text(cell.oldCalendar)), qPrintable(QString::number(day)));
      ++rokuyou[Text(cell.rokuyou)];
    }
    QCOMPARE(rokuyou.size(), std::size_t(6));
    for (const auto& [name, count] : rokuyou) QCOMPARE(text.count(name), count);
  }

  void yearHasTwelvePagesWithItsHolidays() {
    Run run = Export({"--print-calendar", "2006", "--name", QString::fromUtf8("山田 太郎"), "--output",
                      Pdf("year.pdf")});
    QVERIFY2(run.status == 0, qPrintable(run.errors));
    QVERIFY(Tool(QStringLiteral("pdfinfo"), {Pdf("year.pdf")}).contains(QRegularExpression("Pages:\\s+12\\n")));
    QString text = PdfText(Pdf("year.pdf"));
    // The default law names every holiday, 元日 on its Sunday and 振替休日 the day after included.
    for (const calendar::HolidayDay& holiday : calendar::CurrentLawHolidays(2006)) {
      QVERIFY2(text.contains(Text(holiday.name)), qPrintable(Text(holiday.name)));
    }
  }

  // The settings file's holiday law decides the names printed: 山の日 (2026-08-11, a
  // Tuesday) exists only under the current law.
  void settingsChooseTheHolidayLaw_data() {
    QTest::addColumn<QString>("law");
    QTest::addColumn<bool>("mountainDay");
    QTest::newRow("current law") << "1" << true;
    QTest::newRow("old rules") << "0" << false;
  }
  void settingsChooseTheHolidayLaw() {
    QFETCH(QString, law);
    QFETCH(bool, mountainDay);
    folder_->Write("law.ini", "[Display]\nHolidayLaw=" + law.toStdString() + "\nExactLunar=0\n");
    Run run = Export({"--print-calendar", "2026-08", "--name", QString::fromUtf8("山田 太郎"), "--output",
                      Pdf("law.pdf"), "--settings", QString::fromStdString(folder_->File("law.ini"))});
    QVERIFY2(run.status == 0, qPrintable(run.errors));
    QString text = PdfText(Pdf("law.pdf"));
    QVERIFY2(text.contains(QString::fromUtf8("2026年8月")), qPrintable(text));
    QCOMPARE(text.contains(QString::fromUtf8("山の日")), mountainDay);
  }

  void unusableArgumentsFail_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    const QString name = QString::fromUtf8("山田 太郎");
    const QString out = QStringLiteral("/tmp/nuvaro-export-never.pdf");
    QTest::newRow("year 2100") << QStringList{"--print-calendar", "2100-01", "--name", name, "--output", out} << 2;
    QTest::newRow("year 1999") << QStringList{"--print-calendar", "1999-12", "--name", name, "--output", out} << 2;
    QTest::newRow("month 13") << QStringList{"--print-calendar", "2003-13", "--name", name, "--output", out} << 2;
    QTest::newRow("no month") << QStringList{"--print-calendar", "soon", "--name", name, "--output", out} << 2;
    QTest::newRow("name beyond CP932")
        << QStringList{"--print-calendar", "2003-08", "--name", QString::fromUtf8("𠮷田 太郎"), "--output", out} << 2;
    QTest::newRow("no name") << QStringList{"--print-calendar", "2003-08", "--output", out} << 2;
    QTest::newRow("unwritable")
        << QStringList{"--print-calendar", "2003-08", "--name", name, "--output", "/nonexistent-folder/x.pdf"} << 1;
    QTest::newRow("missing settings") << QStringList{"--print-calendar", "2003-08", "--name", name, "--output", out,
                                                     "--settings", "/nonexistent-folder/Calendar.ini"}
                                      << 2;
  }
  void unusableArgumentsFail() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    Run run = Export(arguments);
    QCOMPARE(run.status, status);
    QVERIFY2(run.errors.contains(QStringLiteral("Nuvaro: ")), qPrintable(run.errors));
  }
};

QTEST_GUILESS_MAIN(CalendarExportTest)
#include "calendar_export_test.moc"
