// `Nuvaro --print-reading`, run as a user runs it: without a display, for each delivered
// plug-in, into a PDF whose text is the composed reading (the detail texts as
// `nuvaro-cli pair` gives them for the two names' sums), inside the page's margins; and
// a clear message with a non-zero status for bad arguments.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "core/guide_menu_model.h"
#include "core/plugin_host.h"
#include "pdf_text.h"
#include "platform/qt/text_conversion.h"
#include "program_folder.h"
#include "recording_message_sink.h"

using nuvaro::testing::ProgramFolder;
using namespace nuvaro;

namespace {

struct Run {
  int status = -1;
  QString errors;
};

QString BinFile(const char* name) { return qEnvironmentVariable("NUVARO_BIN_DIR") + QLatin1Char('/') + name; }

// Runs a program of the build with no display and no chosen window platform.
Run Start(const char* program, const QStringList& arguments, QByteArray* output = nullptr) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
  process.setProcessEnvironment(environment);
  process.start(BinFile(program), arguments);
  if (!process.waitForFinished(60000)) return {};
  if (output != nullptr) *output = process.readAllStandardOutput();
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

QJsonObject CliAnswer(const QStringList& arguments) {
  QByteArray json;
  Start("nuvaro-cli", arguments, &json);
  return QJsonDocument::fromJson(json).object();
}

// honsyou, chikaku, aijyou and shinrei of a name, as the pair command takes them.
QStringList Sums(const QString& surname, const QString& given) {
  const QJsonObject soul = CliAnswer({QStringLiteral("soul"), surname, given});
  QStringList sums;
  for (const char* key : {"honsyou", "chikaku", "aijyou", "shinrei"}) {
    sums << QString::number(soul.value(QLatin1String(key)).toInt());
  }
  return sums;
}

}  // namespace

class PrintReadingCommandTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ProgramFolder> folder_;
  QTemporaryDir out_;

 private slots:
  void init() {
    QVERIFY(qEnvironmentVariableIsSet("NUVARO_BIN_DIR"));
    folder_ = std::make_unique<ProgramFolder>();
    folder_->CopyEngine();
    folder_->CopyDeliveredPlugins();
  }
  void cleanup() { folder_.reset(); }

  // Title, explanation, a heading and the pair's detail text for every item with a
  // caption, the closing line: in this order, with A4's margins (54 and 72 points).
  void EachPluginPrintsItsComposedReading() {
    struct Case {
      const char* plugin;
      const char* titleRest;
    };
    const QStringList pairSums = Sums(QStringLiteral("山田"), QStringLiteral("太郎")) +
                                 Sums(QStringLiteral("林"), QStringLiteral("花子"));
    for (const Case& c : {Case{"MatchCouple", "夫婦の相性編"}, Case{"MatchLover", "恋人の相性編"},
                          Case{"TacticCouple", "夫婦の攻略編"}, Case{"TacticLover", "恋人の攻略編"}}) {
      const QString plugin = QString::fromLatin1(c.plugin);
      const QString pdf = out_.filePath(plugin + QStringLiteral(".pdf"));
      const Run run = Start("Nuvaro", {QStringLiteral("--print-reading"), plugin, QStringLiteral("--self"),
                                       QStringLiteral("山田 太郎,男,30"), QStringLiteral("--partner"),
                                       QStringLiteral("林 花子,女,20"), QStringLiteral("--output"), pdf});
      QVERIFY2(run.status == 0, qPrintable(plugin + QStringLiteral(": ") + run.errors));

      // The plug-in's own form for the explanation and the captions.
      core::PluginHost host;
      testing::RecordingMessageSink sink;
      QVERIFY(host.LoadFiles({core::PluginHost::PluginPath(c.plugin)}));
      ::DetailForm form{};
      host.DetailForm(form, 0);
      const QJsonArray details =
          CliAnswer(QStringList{QStringLiteral("pair"), plugin} + pairSums + QStringList{QStringLiteral("0")})
              .value(QLatin1String("detailText"))
              .toArray();
      QString expected = QStringLiteral("☆☆☆ 山田太郎さんの") + QString::fromUtf8(c.titleRest) +
                         QStringLiteral(" ☆☆☆") + platform::QStringFromCp932(form.explanation);
      int items = 0;
      for (int k = 1; k <= 7; ++k) {
        const QString caption = platform::QStringFromCp932(form.itemCaption[k - 1]);
        if (caption.isEmpty()) continue;
        ++items;
        expected += QStringLiteral("☆林花子") + caption + details.at(k - 1).toString();
      }
      expected += QStringLiteral("Aurelin・ヌヴァロ君");
      QCOMPARE(items, plugin.startsWith(QStringLiteral("Match")) ? 2 : 5);
      QCOMPARE(testing::Squeezed(testing::PdfText(pdf)), testing::Squeezed(expected));
      QCOMPARE(testing::PdfTitle(pdf), QStringLiteral("山田太郎さんの") + QString::fromUtf8(c.titleRest));

      const testing::PdfLayout layout = testing::PdfWords(pdf);
      QCOMPARE(layout.pageWidth, 595.0);
      QCOMPARE(layout.pageHeight, 842.0);
      for (const testing::PdfWord& word : layout.words) {
        QVERIFY2(word.xMin >= 53.5 && word.xMax <= 595 - 53.5, qPrintable(word.text));
        QVERIFY2(word.yMin >= 71.5 && word.yMax <= 842 - 71.5, qPrintable(word.text));
      }
      QVERIFY(qAbs(layout.words.front().xMin - 54) < 1 && qAbs(layout.words.front().yMin - 72) < 1);
    }
  }

  // The own reading names the user once, as the plate shows the name, in the printed
  // title line and in the PDF's title.
  void OwnReadingTitlesItselfByTheUsersName() {
    folder_->CopyBuiltPlugin("SelfReading.nvr", "SelfReading.nvr");
    const QString pdf = out_.filePath(QStringLiteral("own.pdf"));
    const Run run = Start("Nuvaro", {QStringLiteral("--print-reading"), QStringLiteral("SelfReading"),
                                     QStringLiteral("--self"), QStringLiteral("鈴木 一郎,男,30"),
                                     QStringLiteral("--output"), pdf});
    QVERIFY2(run.status == 0, qPrintable(run.errors));
    QVERIFY2(testing::Squeezed(testing::PdfText(pdf)).startsWith(QStringLiteral("☆☆☆鈴木一郎さんの姓名鑑定☆☆☆")),
             qPrintable(testing::PdfText(pdf)));
    QCOMPARE(testing::PdfTitle(pdf), QStringLiteral("鈴木 一郎さんの姓名鑑定"));
  }

  // A page 2 inches wide loses its side margins and keeps the top one.
  void NarrowPageSizeFromTheCommandLine() {
    const QString pdf = out_.filePath(QStringLiteral("narrow.pdf"));
    const Run run = Start("Nuvaro", {QStringLiteral("--print-reading"), QStringLiteral("MatchLover.nvr"),
                                     QStringLiteral("--self"), QStringLiteral("山田 太郎,男,30"),
                                     QStringLiteral("--partner"), QStringLiteral("林 花子,女,20"),
                                     QStringLiteral("--output"), pdf, QStringLiteral("--page-size"),
                                     QStringLiteral("50x150")});
    QVERIFY2(run.status == 0, qPrintable(run.errors));
    const testing::PdfLayout layout = testing::PdfWords(pdf);
    QVERIFY(qAbs(layout.pageWidth - 141.7) < 1);
    QVERIFY(qAbs(layout.words.front().xMin) < 1);
    QVERIFY(qAbs(layout.words.front().yMin - 72) < 1);
  }

  // Every bad argument: status 2, a message saying what is wrong, no file written.
  void BadArgumentsAreRefusedClearly() {
    struct Case {
      QStringList arguments;
      const char* message;
    };
    const QString pdf = out_.filePath(QStringLiteral("bad.pdf"));
    const QStringList people = {QStringLiteral("--self"), QStringLiteral("山田 太郎,男,30"), QStringLiteral("--partner"),
                                QStringLiteral("林 花子,女,20")};
    const QStringList ml = {QStringLiteral("--print-reading"), QStringLiteral("MatchLover")};
    const QStringList output = {QStringLiteral("--output"), pdf};
    for (const Case& c : {
             Case{QStringList{QStringLiteral("--print-reading"), QStringLiteral("NoSuchReading")} + people + output,
                  "プラグイン \"NoSuchReading\" が見つかりません"},
             Case{ml + QStringList{QStringLiteral("--self"), QStringLiteral("𠮷田 太郎,男,30"),
                                   QStringLiteral("--partner"), QStringLiteral("林 花子,女,20")} +
                      output,
                  "シフトJIS（CP932）で書けない文字"},
             Case{ml + QStringList{QStringLiteral("--self"), QStringLiteral("山田 太郎,男,30"),
                                   QStringLiteral("--partner"), QStringLiteral("林 花子,おんな,20")} +
                      output,
                  "性別は 男 か 女"},
             Case{ml + output, "省けません"},
             Case{ml + people + output + QStringList{QStringLiteral("--page-size"), QStringLiteral("Z9")},
                  "使えない用紙"},
             Case{ml + people + output + QStringList{QStringLiteral("--colour")}, "知らないオプション"}}) {
      const Run run = Start("Nuvaro", c.arguments);
      QCOMPARE(run.status, 2);
      QVERIFY2(run.errors.contains(QString::fromUtf8(c.message)), qPrintable(run.errors));
      QVERIFY(run.errors.contains(QStringLiteral("使い方")));
      QVERIFY(!QFile::exists(pdf));
    }
  }
};

QTEST_GUILESS_MAIN(PrintReadingCommandTest)
#include "print_reading_command_test.moc"
