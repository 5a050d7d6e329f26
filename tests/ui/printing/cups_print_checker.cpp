// Prints through a CUPS queue with the program's own print paths (the print dialog
// replaced by one that chooses the queue, the printer in its native format) and checks
// that the PDF the printer behind the queue receives reads, page by page, as the
// program's PDF export of the same reading and month. Run by cups_print_test.sh, which
// starts a cupsd of its own and names the queue (NUVARO_CUPS_QUEUE) and the folder the
// printer keeps its jobs in (NUVARO_CUPS_OUTPUT).
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "../detail/pdf_text.h"
#include "core/detail_composition.h"
#include "core/engine_binding.h"
#include "core/face.h"
#include "core/guide_menu_model.h"
#include "core/plugin_host.h"
#include "program_folder.h"
#include "recording_message_sink.h"
#include "test_text.h"
#include "ui/calendar/calendar_window.h"
#include "ui/detail/detail_printing.h"
#include "ui/detail/print_preview_dialog.h"
#include "ui/fonts/font_substitutions.h"

using nuvaro::testing::ProgramFolder;
using nuvaro::testing::RecordingMessageSink;
using nuvaro::testing::Sjis;
using namespace nuvaro;
using namespace nuvaro::ui;

namespace {

constexpr int kJobTimeoutMs = 120000;

QString Queue() { return qEnvironmentVariable("NUVARO_CUPS_QUEUE"); }

// The print dialog as a user leaves it: the queue chosen, the printer's own format.
bool ChooseQueue(QPrinter& printer, QWidget*) {
  printer.setPrinterName(Queue());
  printer.setOutputFormat(QPrinter::NativeFormat);
  return printer.isValid() && printer.outputFormat() == QPrinter::NativeFormat;
}

bool QueueIsIdle() {
  QProcess lpstat;
  lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-o"), Queue()});
  return lpstat.waitForFinished(10000) && lpstat.exitCode() == 0 && lpstat.readAllStandardOutput().trimmed().isEmpty();
}

// The PDF the queue wrote for the one job sent, once the job is done (empty when none
// came in time); it is moved out of the backend's folder, so the next job's file is the
// only one there.
QString TakeQueuedPdf(const QString& into) {
  const QDir out(qEnvironmentVariable("NUVARO_CUPS_OUTPUT"));
  QDeadlineTimer deadline(kJobTimeoutMs);
  while (!deadline.hasExpired()) {
    const QStringList files = out.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    if (files.size() == 1 && QueueIsIdle()) return QFile::rename(out.filePath(files.front()), into) ? into : QString();
    QTest::qWait(200);
  }
  qWarning("no PDF from queue %s within %d ms", qPrintable(Queue()), kJobTimeoutMs);
  return {};
}

// Runs the program's PDF export; the path of the file, empty when it failed.
QString ExportWithProgram(const QStringList& arguments, const QString& output) {
  QProcess program;
  program.start(QDir(qEnvironmentVariable("NUVARO_BIN_DIR")).filePath(QStringLiteral("Nuvaro")),
                arguments + QStringList{QStringLiteral("--output"), output});
  if (!program.waitForFinished(60000) || program.exitCode() != 0) {
    qWarning("%s", program.readAllStandardError().constData());
    return {};
  }
  return output;
}

}  // namespace

class CupsPrintChecker : public QObject {
  Q_OBJECT

  std::unique_ptr<ProgramFolder> folder_;
  std::unique_ptr<RecordingMessageSink> sink_;
  core::EngineBinding engine_;
  QTemporaryDir out_;

  // The queue passes the program's PDF on to the printer (cups-filters' pdftopdf, no
  // PostScript step), so every page must hold the export's text, white space aside.
  void ExpectSamePageTexts(const QString& queued, const QString& exported) {
    QVERIFY(!queued.isEmpty());
    QVERIFY(!exported.isEmpty());
    const int pages = PageCount(exported);
    QVERIFY(pages >= 1);
    QCOMPARE(PageCount(queued), pages);
    for (int page = 1; page <= pages; ++page) {
      const QString expected = testing::Squeezed(PageText(exported, page));
      QVERIFY2(expected.size() > 50, qPrintable(expected));
      QCOMPARE(testing::Squeezed(PageText(queued, page)), expected);
    }
  }

  static int PageCount(const QString& pdf) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    if (!info.waitForFinished(30000)) return -1;
    const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = pages.match(QString::fromUtf8(info.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
  }

  // The page's text in the order the program drew it (-raw): a landscape month reaches
  // the printer turned onto portrait paper, which changes pdftotext's reading order but
  // not the drawing order.
  static QString PageText(const QString& pdf, int page) {
    return testing::RunPdfToText({QStringLiteral("-raw"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                  QString::number(page), pdf, QStringLiteral("-")});
  }

 private slots:
  void initTestCase() {
    QVERIFY2(!Queue().isEmpty(), "NUVARO_CUPS_QUEUE names no queue: run through cups_print_test.sh");
    InstallFontSubstitutions();
    folder_ = std::make_unique<ProgramFolder>();
    folder_->CopyEngine();
    folder_->CopyDeliveredPlugins();
    sink_ = std::make_unique<RecordingMessageSink>();
    QVERIFY(engine_.Bind());
  }

  void cleanupTestCase() { engine_.Release(); }

  void readingPrintedOnTheQueueReadsAsTheExport() {
    core::PluginHost host;
    QVERIFY(host.Load());
    core::BuildGuideMenu(host);
    core::CFace faces;
    faces.CreateSelf();
    faces.SetSelf(Sjis("山田 太郎,男,30"));
    const int person = faces.Entry(faces.AddFace(400, 300, Sjis("林 花子,女,20"), engine_)).id;
    const auto& names = host.FileNames();
    faces.activeEvent =
        static_cast<int>(std::find(names.begin(), names.end(), "TacticLover.nvr") - names.begin()) + 1;

    CPrintPreviewDialog dialog(core::ComposeDetailRuns(core::ReadDetail(faces, host, engine_, person)));
    dialog.SetPrintDialogRunner(ChooseQueue);
    QCOMPARE(dialog.Print(), PrintOutcome::Printed);
    QVERIFY(sink_->messages.empty());
    const QString queued = TakeQueuedPdf(out_.filePath(QStringLiteral("queued-reading.pdf")));
    const QString exported = ExportWithProgram(
        {QStringLiteral("--print-reading"), QStringLiteral("TacticLover.nvr"), QStringLiteral("--self"),
         QStringLiteral("山田 太郎,男,30"), QStringLiteral("--partner"), QStringLiteral("林 花子,女,20")},
        out_.filePath(QStringLiteral("exported-reading.pdf")));
    ExpectSamePageTexts(queued, exported);
  }

  void calendarMonthPrintedOnTheQueueReadsAsTheExport() {
    core::CFace faces;
    faces.CreateSelf();
    faces.SetSelf(Sjis("山田 花子,女,30"));
    CalendarWindow window(faces, CalendarEngine(engine_));
    window.ShowMonth(2009, 2);
    const CalendarWindow::PrintDialog previous = CalendarWindow::SetPrintDialog(ChooseQueue);
    sink_->Clear();
    window.Print();
    CalendarWindow::SetPrintDialog(previous);
    QCOMPARE(QString::fromStdString(sink_->Texts().at(0)), QString::fromUtf8("印刷が終了しました。"));
    const QString queued = TakeQueuedPdf(out_.filePath(QStringLiteral("queued-month.pdf")));
    const QString exported = ExportWithProgram(
        {QStringLiteral("--print-calendar"), QStringLiteral("2009-02"), QStringLiteral("--name"),
         QStringLiteral("山田 花子")},
        out_.filePath(QStringLiteral("exported-month.pdf")));
    ExpectSamePageTexts(queued, exported);
  }
};

QTEST_MAIN(CupsPrintChecker)
#include "cups_print_checker.moc"
