// The calendar window's lucky-day search and iCalendar export dialogs, and the
// command-line export read back by Debian's python3-icalendar as a calendar would.
#include <QCheckBox>
#include <QDateEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include <memory>

#include "calendar/current_holidays.h"
#include "program_folder.h"
#include "recording_message_sink.h"
#include "test_text.h"
#include "ui/calendar/ics_export_dialog.h"
#include "ui/calendar/lucky_day_dialog.h"

using nuvaro::testing::ProgramFolder;
using nuvaro::testing::RecordingMessageSink;
using namespace nuvaro;

class AlmanacDialogsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ProgramFolder> folder_;

 private slots:
  void init() { folder_ = std::make_unique<ProgramFolder>(); }
  void cleanup() {
    ui::IcsExportDialog::SetSaveFileChooser(nullptr);
    folder_.reset();
  }

  void luckyDaySearchListsTheDaysAndShowsTheChosenMonth() {
    RecordingMessageSink sink;
    ui::LuckyDayDialog dialog({2024, 1, 1}, calendar::CalendarChoices{}, nullptr, " ");
    QCOMPARE(dialog.ToEdit()->date(), QDate(2024, 6, 30));  // six months by default
    dialog.ToEdit()->setDate(QDate(2024, 12, 31));
    dialog.RekichuBox(static_cast<int>(calendar::Rekichu::kTensha))->setChecked(true);
    QVERIFY(dialog.Search());
    QCOMPARE(dialog.List()->topLevelItemCount(), 7);
    QTreeWidgetItem* second = dialog.List()->topLevelItem(1);
    QVERIFY2(second->text(0).startsWith(QString::fromUtf8("2024年3月15日")), qPrintable(second->text(0)));
    QVERIFY2(second->text(3).contains(QString::fromUtf8("天赦日")), qPrintable(second->text(3)));
    emit dialog.List()->itemDoubleClicked(second, 0);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.ChosenDay().has_value());
    QCOMPARE(*dialog.ChosenDay(), (calendar::CivilDay{2024, 3, 15}));

    // Without a face list the face condition cannot be chosen; a reversed range is refused.
    QVERIFY(!dialog.GoodFaceBox()->isEnabled());
    dialog.FromEdit()->setDate(QDate(2025, 1, 1));
    QVERIFY(!dialog.Search());
    QCOMPARE(dialog.List()->topLevelItemCount(), 0);
    QCOMPARE(sink.messages.size(), std::size_t(1));
  }

  void exportDialogWritesTheChosenRange_data() {
    QTest::addColumn<int>("mode");  // 0 month, 1 year, 2 range
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("shown month") << 0 << "20270301" << "20270331";
    QTest::newRow("shown year") << 1 << "20270101" << "20271231";
    QTest::newRow("range") << 2 << "20270501" << "20270603";
  }
  void exportDialogWritesTheChosenRange() {
    QFETCH(int, mode);
    QFETCH(QString, first);
    QFETCH(QString, last);
    RecordingMessageSink sink;
    QString path = QString::fromStdString(folder_->File("out"));  // ".ics" is added
    ui::IcsExportDialog::SetSaveFileChooser([&path](QWidget*) { return path; });
    ui::IcsExportDialog dialog(2027, 3, calendar::AlmanacExportRequest{});
    QRadioButton* buttons[] = {dialog.MonthButton(), dialog.YearButton(), dialog.RangeButton()};
    buttons[mode]->setChecked(true);
    dialog.FromEdit()->setDate(QDate(2027, 5, 1));
    dialog.ToEdit()->setDate(QDate(2027, 6, 3));
    QVERIFY(!dialog.ReadingBox()->isEnabled());  // no engine, no reading
    dialog.RokuyouBox()->setChecked(true);
    QVERIFY(dialog.Export());
    std::string text = folder_->Read("out.ics");
    // Daily rokuyou events: the first and last day are there, nothing outside.
    QVERIFY(text.find("UID:" + first.toStdString() + "-rokuyou@") != std::string::npos);
    QVERIFY(text.find("UID:" + last.toStdString() + "-rokuyou@") != std::string::npos);
    QDate after = QDate::fromString(last, QStringLiteral("yyyyMMdd")).addDays(1);
    QVERIFY(text.find("DTSTART;VALUE=DATE:" + after.toString(QStringLiteral("yyyyMMdd")).toStdString()) ==
            std::string::npos);
    QCOMPARE(sink.messages.size(), std::size_t(1));
  }

  void exportDialogSaysWhenTheFileCannotBeWritten() {
    RecordingMessageSink sink;
    ui::IcsExportDialog::SetSaveFileChooser([](QWidget*) { return QStringLiteral("/nonexistent-folder/x.ics"); });
    ui::IcsExportDialog dialog(2027, 3, calendar::AlmanacExportRequest{});
    QVERIFY(!dialog.Export());
    QCOMPARE(sink.messages.size(), std::size_t(1));
    QVERIFY(sink.messages[0].text.find("書き出せませんでした") != std::string::npos);
  }

  // A year's file as a calendar program reads it: python3-icalendar parses it, every
  // holiday of 2027 by today's law is there, and a round trip keeps every event.
  void commandLineExportReadsInPythonIcalendar() {
    folder_->CopyEngine();
    QString output = QString::fromStdString(folder_->File("2027.ics"));
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    program.setProcessEnvironment(environment);
    program.start(QString::fromStdString(ProgramFolder::BuiltProgramFolder() / "Nuvaro"),
                  {"--export-ics", "2027", "--name", QString::fromUtf8("山田 太郎"), "--output", output});
    QVERIFY(program.waitForFinished(120000));
    QVERIFY2(program.exitCode() == 0, program.readAllStandardError().constData());

    QStringList arguments{QString::fromStdString(std::string(std::getenv("NUVARO_SOURCE_DIR")) +
                                                 "/tests/calendar/check_ics.py"),
                          output, QStringLiteral("2027")};
    for (const calendar::Holiday& h : calendar::CurrentLawHolidays(2027)) {
      arguments << QString::asprintf("%02d-%02d=", h.month, h.day) + QString::fromStdString(testing::Utf8(h.name));
    }
    QVERIFY(arguments.size() > 3 + 15);
    QProcess check;
    check.start(QStringLiteral("/usr/bin/python3"), arguments);
    QVERIFY(check.waitForFinished(60000));
    QVERIFY2(check.exitCode() == 0, check.readAllStandardError().constData());
  }
};

QTEST_MAIN(AlmanacDialogsTest)
#include "almanac_dialogs_test.moc"
