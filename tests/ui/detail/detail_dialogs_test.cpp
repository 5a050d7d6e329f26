// The three detail dialogs and printing on the offscreen platform, with the built
// engine and plug-ins: what each dialog shows for a reading, how its lines lead on,
// what a print puts on paper (read back from the PDF) and how a failed print is told;
// and the board's name-plate click inside the whole program.
#include <QApplication>
#include <QComboBox>
#include <QEnterEvent>
#include <QScrollArea>
#include <QLineEdit>
#include <QPrintDialog>
#include <QScreen>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include <memory>

#include "board/name_plate.h"
#include "board/nuvaro_scroll_view.h"
#include "core/detail_composition.h"
#include "core/engine_binding.h"
#include "core/face.h"
#include "core/guide_menu_model.h"
#include "core/plugin_host.h"
#include "pdf_text.h"
#include "platform/qt/text_conversion.h"
#include "program_folder.h"
#include "recording_message_sink.h"
#include "test_text.h"
#include "ui/app/sdi_win_app.h"
#include "ui/board/board_commands.h"
#include "ui/controls/hover_button.h"
#include "ui/controls/link_label.h"
#include "ui/detail/band_label.h"
#include "ui/detail/contents_dialog.h"
#include "ui/detail/detail_document.h"
#include "ui/detail/detail_printing.h"
#include "ui/detail/detail_style.h"
#include "ui/detail/item_dialog.h"
#include "ui/detail/print_preview_dialog.h"
#include "ui/fonts/font_substitutions.h"
#include "ui/frame/main_frame.h"
#include "ui/guide/guide_menu_view.h"

using nuvaro::testing::ProgramFolder;
using nuvaro::testing::RecordingMessageSink;
using nuvaro::testing::Sjis;
using nuvaro::testing::Utf8;
using namespace nuvaro;
using namespace nuvaro::ui;

namespace {

QString Ui(const std::string& cp932) { return platform::QStringFromCp932(cp932); }

// Saves a picture of a window when NUVARO_SCREENSHOT_DIR names a folder (for looking).
void SaveScreenshot(QWidget* widget, const char* name) {
  const QByteArray dir = qgetenv("NUVARO_SCREENSHOT_DIR");
  if (dir.isEmpty()) return;
  widget->show();
  QTest::qWait(300);
  widget->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(name)));
}

// A printer whose every new page fails.
class FailingPagePrinter : public QPrinter {
 public:
  FailingPagePrinter() : QPrinter(QPrinter::HighResolution) {}
  bool newPage() override { return false; }
};

// Prints into a PDF file instead of asking.
PrintDialogRunner PdfInto(const QString& path, QPageSize size = QPageSize(QPageSize::A4)) {
  return [path, size](QPrinter& printer, QWidget*) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(size);
    return true;
  };
}

}  // namespace

class DetailDialogsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ProgramFolder> folder_;
  std::unique_ptr<RecordingMessageSink> sink_;
  std::unique_ptr<core::EngineBinding> engine_;
  std::unique_ptr<core::PluginHost> host_;
  core::CFace face_;
  int personId_ = 0;
  QTemporaryDir out_;

  // The reading of the person on the board under one plug-in ("MatchLover.nvr").
  core::DetailReading Read(const std::string& plugin) {
    const auto& names = host_->FileNames();
    face_.activeEvent = static_cast<int>(std::find(names.begin(), names.end(), plugin) - names.begin()) + 1;
    return core::ReadDetail(face_, *host_, *engine_, personId_);
  }
  QString OutFile(const char* name) const { return out_.filePath(QString::fromLatin1(name)); }

 private slots:
  void initTestCase() { InstallFontSubstitutions(); }

  void init() {
    QVERIFY(qEnvironmentVariableIsSet("NUVARO_BIN_DIR"));
    folder_ = std::make_unique<ProgramFolder>();
    folder_->CopyEngine();
    folder_->CopyDeliveredPlugins();
    folder_->CopyFixture(NUVARO_DETAIL_FIXTURE_DIR, "DetailTest.nvr", "nvr/DetailTest.nvr");
    sink_ = std::make_unique<RecordingMessageSink>();
    engine_ = std::make_unique<core::EngineBinding>();
    host_ = std::make_unique<core::PluginHost>();
    QVERIFY(engine_->Bind());
    QVERIFY(host_->Load());
    core::BuildGuideMenu(*host_);
    face_.CreateSelf();
    face_.SetSelf(Sjis("山田 太郎,男,30"));
    personId_ = face_.Entry(face_.AddFace(400, 300, Sjis("林 花子,女,20"), *engine_)).id;
  }

  void cleanup() {
    host_.reset();
    engine_.reset();
    sink_.reset();
    folder_.reset();
  }

  // Title band (mark included), explanation, seven lines; a picture only beside the
  // lines with a caption, the line itself always there.
  void ContentsDialogShowsTheReadingsItems() {
    for (const char* plugin : {"MatchLover.nvr", "TacticCouple.nvr", "DetailTest.nvr"}) {
      const core::DetailReading reading = Read(plugin);
      CContentsDialog dialog(reading);
      QCOMPARE(dialog.TitleLabel()->text(), Ui(reading.title));
      QVERIFY(!dialog.TitleLabel()->isHidden());
      QCOMPARE(dialog.Explanation()->text(), Ui(reading.explanation));
      QVERIFY(!dialog.Explanation()->isHidden());
      for (int k = 1; k <= 7; ++k) {
        QCOMPARE(dialog.ItemLine(k)->text(), Ui(Sjis("林 花子") + reading.Caption(k)));
        QVERIFY(!dialog.ItemLine(k)->isHidden());
        QCOMPARE(!dialog.ItemPicture(k)->isHidden(), !reading.Caption(k).empty());
      }
      QCOMPARE(dialog.ItemLine(8), nullptr);
      if (std::string(plugin) == "TacticCouple.nvr") SaveScreenshot(&dialog, "detail_contents.png");
    }
    QCOMPARE(Utf8(Read("MatchLover.nvr").title), std::string("●恋人の相性編"));

    core::DetailReading bare;
    bare.personName = Sjis("林 花子");
    CContentsDialog empty(bare);
    QVERIFY(empty.TitleLabel()->isHidden());
    QVERIFY(empty.Explanation()->isHidden());
  }

  // A line opens the item dialog at its item; "閉じる" there closes the contents too;
  // "印刷画面" opens the preview of the composed runs.
  void ContentsLinesLeadToTheItemsAndThePreview() {
    const core::DetailReading reading = Read("MatchLover.nvr");
    CContentsDialog dialog(reading);
    std::vector<int> opened;
    int answer = QDialog::Rejected;
    dialog.SetItemDialogRunner([&](const core::DetailReading&, int item, QWidget*) {
      opened.push_back(item);
      return answer;
    });
    std::vector<core::DetailRun> previewed;
    dialog.SetPreviewRunner([&](const std::vector<core::DetailRun>& runs, QWidget*) { previewed = runs; });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QTest::mouseClick(dialog.ItemLine(2), Qt::LeftButton);
    QTRY_COMPARE(opened, std::vector<int>{2});
    QVERIFY2(dialog.isVisible(), "back from the item: the contents stay");
    // No caption: the line leads nowhere and does not light up under the mouse.
    QTest::mouseClick(dialog.ItemLine(3), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(opened, std::vector<int>{2});
    for (int k : {2, 3}) {
      QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), dialog.ItemLine(k)->mapToGlobal(QPointF(5, 5)));
      QApplication::sendEvent(dialog.ItemLine(k), &enter);
      QCOMPARE(dialog.ItemLine(k)->IsHovering(), k == 2);
    }
    QTest::mouseClick(dialog.PreviewButton(), Qt::LeftButton);
    QCOMPARE(previewed, core::ComposeDetailRuns(reading));
    answer = CItemDialog::kCloseAll;
    QTest::mouseClick(dialog.ItemLine(1), Qt::LeftButton);
    QTRY_VERIFY(!dialog.isVisible());
  }

  // A name and caption too long for their line end with "…" (the whole text in the tip);
  // an explanation longer than its panel scrolls there.
  void LongTextsEndWithAnEllipsisOrScroll() {
    core::DetailReading reading;
    reading.userName = reading.personName = Sjis("長谷川長谷川長谷川 寿限無寿限無寿限無寿限");
    reading.title = Sjis("●あなたの姓名鑑定");
    // The longest name a face keeps (39 bytes) with the lovers' reading's first caption.
    reading.captions[0] = Sjis("さんは、あなたに対してどんな想い・願いを持っているの？");
    reading.captions[1] = reading.captions[0];
    std::string explanation;
    for (int i = 0; i < 12; ++i) explanation += Sjis("姓名の画数から、あなたの隠れた性格や運勢を読み解きます。");
    reading.explanation = explanation;
    const QString full = Ui(reading.personName + reading.captions[0]);

    CContentsDialog contents(reading);
    contents.show();
    QVERIFY(QTest::qWaitForWindowExposed(&contents));
    QVERIFY2(contents.ItemLine(1)->text().endsWith(QChar(0x2026)), qPrintable(contents.ItemLine(1)->text()));
    QCOMPARE(contents.ItemLine(1)->toolTip(), full);
    QVERIFY(contents.ItemLine(1)->fontMetrics().horizontalAdvance(contents.ItemLine(1)->text()) <=
            contents.ItemLine(1)->width());
    QVERIFY(contents.ExplanationArea()->verticalScrollBar()->maximum() > 0);
    QCOMPARE(contents.Explanation()->text(), Ui(explanation));

    CItemDialog item(reading, 1);
    QVERIFY(item.ItemLabel()->text().endsWith(QChar(0x2026)));
    QCOMPARE(item.ItemLabel()->toolTip(), QStringLiteral("●") + full);
    QVERIFY(item.NextLine()->text().endsWith(QChar(0x2026)));
  }

  // Items 1 to 5 each with their label, text and background; the previous and next lines
  // only where an item with a caption lies within 1 to 5.
  void ItemDialogPagesThroughItemsOneToFive() {
    struct Step {
      const char* plugin;
      int k;
      bool previous;
      bool next;
    };
    for (const Step& step : {Step{"MatchLover.nvr", 1, false, true}, Step{"MatchLover.nvr", 2, true, false},
                             Step{"TacticCouple.nvr", 3, true, true}, Step{"TacticCouple.nvr", 5, true, false},
                             Step{"DetailTest.nvr", 5, true, false}}) {
      const core::DetailReading reading = Read(step.plugin);
      CItemDialog dialog(reading, step.k);
      QCOMPARE(dialog.CurrentItem(), step.k);
      // Shown whole, or ending with "…" and whole in its tip.
      const QString label = Ui(Sjis("●林 花子") + reading.Caption(step.k));
      QCOMPARE(dialog.ItemLabel()->toolTip().isEmpty() ? dialog.ItemLabel()->text() : dialog.ItemLabel()->toolTip(),
               label);
      QCOMPARE(dialog.TextArea()->toPlainText(), Ui(reading.Detail(step.k)));
      QVERIFY(dialog.TextArea()->isReadOnly());
      QCOMPARE(dialog.Background().toImage(), ItemBackground(step.k).toImage());
      QCOMPARE(!dialog.PreviousLine()->isHidden(), step.previous);
      QCOMPARE(!dialog.PreviousArrow()->isHidden(), step.previous);
      QCOMPARE(!dialog.NextLine()->isHidden(), step.next);
      QCOMPARE(!dialog.NextArrow()->isHidden(), step.next);
      if (step.previous) QCOMPARE(dialog.PreviousLine()->text(), Ui(Sjis("林 花子") + reading.Caption(step.k - 1)));
      if (step.next) QCOMPARE(dialog.NextLine()->text(), Ui(Sjis("林 花子") + reading.Caption(step.k + 1)));
    }

    // The lines page: next from 1 to 2, previous back to 1.
    const core::DetailReading reading = Read("TacticCouple.nvr");
    CItemDialog dialog(reading, 1);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    SaveScreenshot(&dialog, "detail_item_1.png");
    QTest::mouseClick(dialog.NextLine(), Qt::LeftButton);
    QTRY_COMPARE(dialog.CurrentItem(), 2);
    QCOMPARE(dialog.TextArea()->toPlainText(), Ui(reading.Detail(2)));
    QTest::mouseClick(dialog.PreviousLine(), Qt::LeftButton);
    QTRY_COMPARE(dialog.CurrentItem(), 1);
    // The detail text is one run in "ＭＳ ゴシック" 12 points bold.
    const QTextCharFormat format = dialog.TextArea()->document()->begin().begin().fragment().charFormat();
    QCOMPARE(format.fontFamilies().toStringList(), QStringList{RunFaceName(core::RunFace::Gothic)});
    QCOMPARE(format.fontPointSize(), 12.0);
    QCOMPARE(format.fontWeight(), int(QFont::Bold));
  }

  // Items 6 and 7 exist only in the contents and the preview: the item dialog opened
  // there shows nothing of them and leads nowhere.
  void ItemDialogShowsNothingBeyondItemFive() {
    const core::DetailReading reading = Read("DetailTest.nvr");
    for (int k : {6, 7}) {
      CItemDialog dialog(reading, k);
      QCOMPARE(dialog.CurrentItem(), 0);
      QVERIFY(dialog.TextArea()->toPlainText().isEmpty());
      QVERIFY(dialog.ItemLabel()->isHidden());
      QVERIFY(dialog.PreviousLine()->isHidden());
      QVERIFY(dialog.NextLine()->isHidden());
    }
  }

  // The preview shows the composed text (runs as paragraphs) on its blue-grey and
  // stands at the start once its timer has run.
  void PreviewShowsTheComposedReading() {
    const std::vector<core::DetailRun> runs = core::ComposeDetailRuns(Read("TacticCouple.nvr"));
    CPrintPreviewDialog dialog(runs);
    QString expected;
    for (const core::DetailRun& run : runs) expected += Ui(run.text);
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(dialog.TextArea()->toPlainText(), expected);
    QVERIFY(dialog.TextArea()->isReadOnly());
    QVERIFY(dialog.TextArea()->styleSheet().contains(QStringLiteral("rgb(206, 221, 232)")));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.TextArea()->textCursor().position(), dialog.TextArea()->document()->characterCount() - 1);
    QTRY_COMPARE(dialog.TextArea()->textCursor().position(), 0);
    QCOMPARE(dialog.TextArea()->verticalScrollBar()->value(), 0);
    SaveScreenshot(&dialog, "detail_preview.png");
  }

  // "印刷" prints exactly the runs the preview shows, in order.
  void PreviewPrintsWhatItShows() {
    const std::vector<core::DetailRun> runs = core::ComposeDetailRuns(Read("TacticLover.nvr"));
    CPrintPreviewDialog dialog(runs);
    const QString pdf = OutFile("reading.pdf");
    dialog.SetPrintDialogRunner(PdfInto(pdf));
    QCOMPARE(dialog.Print(), PrintOutcome::Printed);
    QVERIFY(sink_->messages.empty());
    QCOMPARE(testing::Squeezed(testing::PdfText(pdf)), testing::Squeezed(dialog.TextArea()->toPlainText()));
  }

  // A long reading runs over pages: nothing is lost or repeated at a page break, and
  // every page keeps the margins. A page narrower than 2.5 inches has no side margins.
  void LongReadingRunsOverPagesAndNarrowPagesLoseTheSideMargins() {
    struct Case {
      QPageSize size;
      double side;    // points
      int minPages;
    };
    const std::vector<core::DetailRun> runs = core::ComposeDetailRuns(Read("DetailTest.nvr"));
    for (const Case& c : {Case{QPageSize(QPageSize::A4), 54, 2},
                          Case{QPageSize(QSizeF(50, 150), QPageSize::Millimeter), 0, 4}}) {
      const QString pdf = OutFile("long.pdf");
      QPrinter printer(QPrinter::HighResolution);
      PdfInto(pdf, c.size)(printer, nullptr);
      QCOMPARE(PrintDetailRuns(printer, runs), PrintOutcome::Printed);
      const testing::PdfLayout layout = testing::PdfWords(pdf);
      QVERIFY(layout.pages >= c.minPages);
      QStringList sentences;
      double left = layout.pageWidth;
      for (const testing::PdfWord& word : layout.words) {
        QVERIFY2(word.xMin >= c.side - 0.5 && word.xMax <= layout.pageWidth - c.side + 0.5, qPrintable(word.text));
        QVERIFY2(word.yMin >= 72 - 0.5 && word.yMax <= layout.pageHeight - 72 + 0.5, qPrintable(word.text));
        left = std::min(left, word.xMin);
        if (word.text.size() == 3 && word.text.toInt() > 0) sentences << word.text;
      }
      QVERIFY(left < c.side + 2);
      QStringList expected;
      for (int n = 1; n <= 200; ++n) expected << QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
      QCOMPARE(sentences, expected);
      QVERIFY(layout.words.back().page == layout.pages - 1);
      QCOMPARE(layout.words.back().text, QStringLiteral("Aurelin・ヌヴァロ君"));
    }
  }

  // The platform's print dialog as "印刷" sets it up: no page range, no selection, and
  // its "Print to File (PDF)" printer prints the reading into the file the user names.
  void PrintDialogPrintsToAPdfFile() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer);
    SetUpPrintDialog(dialog);
    QVERIFY(!dialog.testOption(QAbstractPrintDialog::PrintPageRange));
    QVERIFY(!dialog.testOption(QAbstractPrintDialog::PrintSelection));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
    QVERIFY(printers != nullptr);
    const int pdfPrinter = printers->findText(QStringLiteral("PDF"), Qt::MatchContains);
    QVERIFY2(pdfPrinter >= 0, "the dialog offers a PDF printer");
    printers->setCurrentIndex(pdfPrinter);
    auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
    QVERIFY(file != nullptr && file->isEnabled());
    const QString pdf = OutFile("chosen.pdf");
    file->setText(pdf);
    SaveScreenshot(&dialog, "detail_print_dialog.png");
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(printer.outputFormat(), QPrinter::PdfFormat);

    const std::vector<core::DetailRun> runs = core::ComposeDetailRuns(Read("MatchLover.nvr"));
    QCOMPARE(PrintDetailRuns(printer, runs), PrintOutcome::Printed);
    QVERIFY(testing::PdfText(pdf).contains(QStringLiteral("Aurelin・ヌヴァロ君")));
  }

  // Cancelled: nothing. A job that cannot start and a page that fails each say so.
  void PrintFailuresAreToldToTheUser() {
    const std::vector<core::DetailRun> runs = core::ComposeDetailRuns(Read("DetailTest.nvr"));
    CPrintPreviewDialog dialog(runs);
    dialog.SetPrintDialogRunner([](QPrinter&, QWidget*) { return false; });
    QCOMPARE(dialog.Print(), PrintOutcome::Cancelled);
    QVERIFY(sink_->messages.empty());

    dialog.SetPrintDialogRunner(PdfInto(QStringLiteral("/nonexistent-folder/reading.pdf")));
    QCOMPARE(dialog.Print(), PrintOutcome::JobNotStarted);
    QCOMPARE(sink_->Texts(), std::vector<std::string>{"印刷ｼﾞｮﾌﾞを開始できませんでした。"});

    sink_->Clear();
    FailingPagePrinter printer;
    PdfInto(OutFile("failing.pdf"))(printer, nullptr);
    QCOMPARE(PrintDetailRuns(printer, runs), PrintOutcome::Failed);
    QCOMPARE(sink_->Texts(), std::vector<std::string>{"異常終了しました"});
  }

  // Inside the whole program: the reading chosen in the guide menu, a click on a
  // person's name plate opens the contents dialog with that reading's captions, and the
  // balloons speak again afterwards.
  void NamePlateClickOpensTheContentsDialog() {
    cleanup();
    folder_ = std::make_unique<ProgramFolder>();
    folder_->CopyEngine();
    folder_->CopyDeliveredPlugins();
    sink_ = std::make_unique<RecordingMessageSink>();
    CSDIWinApp app;
    QVERIFY(app.InitInstance());
    CMainFrame* frame = app.MainFrame();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    auto* guide = qobject_cast<CGuideMenuView*>(frame->View(QStringLiteral("CGuideMenuView")));
    QVERIFY(guide != nullptr);
    std::vector<CLinkLabel*> readings;
    for (const auto& pair : guide->Entries())
      if (pair.picture != nullptr) readings.push_back(pair.label);
    QTest::mouseClick(readings.at(1), Qt::LeftButton);  // MatchLover, second in file-name order
    QTRY_COMPARE(frame->ActiveViewClass(), QStringLiteral("CNuvaroScrollView"));

    core::CFace& face = app.Core().Document().Face();
    face.SetSelf(Sjis("山田 太郎,男,30"));
    const int index = face.AddFace(500, 200, Sjis("林 花子,女,20"), app.Core().Engine());
    CNuvaroScrollView* board = frame->Board();
    QVERIFY(board->HandleCommand(kBoardCommandWhisper));
    QVERIFY(board->NamePlate(index) != nullptr);
    QTRY_VERIFY(board->NamePlate(index)->isVisible());

    QStringList lines;
    QString title;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<CContentsDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      title = dialog->TitleLabel()->text();
      for (int k = 1; k <= 7; ++k) lines << dialog->ItemLine(k)->text();
      if (qEnvironmentVariableIsSet("NUVARO_SCREENSHOT_DIR")) {
        QTest::qWait(300);
        QGuiApplication::primaryScreen()->grabWindow(0).save(
            QDir(qEnvironmentVariable("NUVARO_SCREENSHOT_DIR")).filePath(QStringLiteral("detail_over_board.png")));
      }
      dialog->reject();
    });
    QTest::mouseClick(board->NamePlate(index), Qt::LeftButton);
    QCOMPARE(title, QString::fromUtf8("●恋人の相性編"));
    QCOMPARE(lines.value(1), QString::fromUtf8("林 花子さんの心の中のひとりごと！"));
    QCOMPARE(lines.value(2), QString::fromUtf8("林 花子"));
    QVERIFY(sink_->messages.empty());
    QCOMPARE(face.whispering, 1);
    app.ExitInstance();
  }

  // The user's own plate asks the group-6 reading: the contents dialog of one's own
  // name with its seven items, whose texts are the engine's personal readings.
  void OwnNamePlateOpensTheSelfReading() {
    cleanup();
    folder_ = std::make_unique<ProgramFolder>();
    folder_->CopyEngine();
    folder_->CopyDeliveredPlugins();
    folder_->CopyBuiltPlugin("SelfReading.nvr", "SelfReading.nvr");
    sink_ = std::make_unique<RecordingMessageSink>();
    CSDIWinApp app;
    QVERIFY(app.InitInstance());
    CMainFrame* frame = app.MainFrame();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    auto* guide = qobject_cast<CGuideMenuView*>(frame->View(QStringLiteral("CGuideMenuView")));
    std::vector<CLinkLabel*> readings;
    for (const auto& pair : guide->Entries())
      if (pair.picture != nullptr) readings.push_back(pair.label);
    QCOMPARE(readings.size(), std::size_t{4});
    QTest::mouseClick(readings.at(0), Qt::LeftButton);
    QTRY_COMPARE(frame->ActiveViewClass(), QStringLiteral("CNuvaroScrollView"));

    core::CFace& face = app.Core().Document().Face();
    face.SetSelf(Sjis("鈴木 一郎,男,30"));
    face.selfSet = 1;
    CNuvaroScrollView* board = frame->Board();
    board->update();
    QTRY_VERIFY(board->NamePlate(0) != nullptr && board->NamePlate(0)->isVisible());

    QString title;
    QStringList lines;
    int pictures = 0;
    std::string firstDetail;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<CContentsDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      title = dialog->TitleLabel()->text();
      for (int k = 1; k <= 7; ++k) {
        lines << dialog->ItemLine(k)->text();
        pictures += dialog->ItemPicture(k)->isHidden() ? 0 : 1;
      }
      firstDetail = core::ReadDetail(face, app.Core().Plugins(), app.Core().Engine(), 0).Detail(1);
      dialog->reject();
    });
    QTest::mouseClick(board->NamePlate(0), Qt::LeftButton);
    QCOMPARE(title, QString::fromUtf8("●あなたの姓名鑑定"));
    QCOMPARE(lines.value(0), QString::fromUtf8("鈴木 一郎さんの本性（隠れた性格）"));
    QCOMPARE(lines.value(6), QString::fromUtf8("鈴木 一郎さんの心霊運"));
    QCOMPARE(pictures, 7);
    QVERIFY2(Utf8(firstDetail).rfind("あなたの隠れた世界は、", 0) == 0, Utf8(firstDetail).c_str());
    QVERIFY(sink_->messages.empty());
    app.ExitInstance();
  }
};

QTEST_MAIN(DetailDialogsTest)
#include "detail_dialogs_test.moc"
