// The program's start-up and shut-down through the application object: the framework's
// steps in their order, the two registered views, the main frame shown, and each failed
// start with its messages and exit status.
#include <QtTest>

#include <QDialogButtonBox>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <filesystem>
#include <string>
#include <vector>

#include "program_folder.h"
#include "recording_message_sink.h"
#include "ui/app/program_main.h"
#include "ui/app/sdi_win_app.h"
#include "ui/app/qt_translation.h"
#include "ui/fonts/font_substitutions.h"
#include "ui/frame/main_frame.h"
#include "naming/given_name_catalog.h"
#include "ui/naming/name_finder_window.h"

using namespace nuvaro;
using namespace nuvaro::ui;

namespace {

using Strings = std::vector<std::string>;

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

class SdiWinAppTest : public QObject {
  Q_OBJECT

 private slots:
  void aGoodStart() {
    testing::ProgramFolder folder;
    folder.CopyEngine();
    folder.CopyDeliveredPlugins();
    testing::RecordingMessageSink sink;
    CSDIWinApp program;
    QVERIFY(program.InitInstance());
    QCOMPARE(program.StepsRun(), (std::vector<QString>{"prepareFramework", "initializeDataExchange",
                                                         "loadProfileSettings", "registerTemplates",
                                                         "processCommandLine", "showMainWindow"}));
    const auto& templates = program.DocTemplates();
    QCOMPARE(templates.size(), std::size_t{2});
    QCOMPARE(templates[0].resourceId, 128);
    QCOMPARE(templates[0].viewClass, QString("CGuideMenuView"));
    QCOMPARE(templates[1].resourceId, 129);
    QCOMPARE(templates[1].viewClass, QString("CNuvaroScrollView"));
    CMainFrame* frame = program.MainFrame();
    QVERIFY(frame != nullptr);
    QVERIFY(frame->isVisible());
    QCOMPARE(frame->windowTitle(), U("ガイドメニュー"));
    QCOMPARE(frame->ActiveViewClass(), QString("CGuideMenuView"));
    QCOMPARE(program.Core().Stage(), core::StartupStage::Running);
    QCOMPARE(program.Core().Plugins().Count(), 4);
    QVERIFY(sink.messages.empty());

    // What a later start hands over: only the name finder's wish opens a window, once.
    QCOMPARE(CommandLineWish({"Nuvaro", "--name-finder"}), QString(kNameFinderWish));
    QVERIFY(CommandLineWish({"Nuvaro", "--name-finderx"}).isEmpty());
    auto finders = [frame] { return frame->findChildren<CNameFinderWindow*>().size(); };
    program.FulfilWish(QStringLiteral("calendar"));
    QCOMPARE(finders(), 0);
    QVERIFY2(!naming::GivenNameCatalog::BuiltinLoaded(), "the name data is read at start-up");
    for (int i = 0; i < 2; ++i) {
      program.FulfilWish(QString(kNameFinderWish));
      QCOMPARE(finders(), 1);
      QVERIFY(frame->findChild<CNameFinderWindow*>()->isVisible());
    }
    QVERIFY(naming::GivenNameCatalog::BuiltinLoaded());

    program.ExitInstance();
    QVERIFY(program.MainFrame() == nullptr);
    QCOMPARE(program.Core().Stage(), core::StartupStage::ShutDown);
    QVERIFY(!program.Core().Engine().IsLoaded());
    QCOMPARE(program.Core().Plugins().Count(), 0);
  }

  void aFailedStart_data() {
    QTest::addColumn<int>("setUp");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("engineLoadedBeforeExit");
    QTest::newRow("no engine") << 0
                               << QStringList{U("モジュール:libNuvacalc.soが存在しません"),
                                              U("関連モジュールがありません。\n終了します。")}
                               << false;
    QTest::newRow("no plug-in folder") << 1 << QStringList{U("ヌヴァロ君のデータファイルがありません。\n終了します。")}
                                       << true;
    QTest::newRow("an empty plug-in folder") << 2 << QStringList{U("ヌヴァロ君のデータファイルがありません。\n終了します。")}
                                             << true;
    QTest::newRow("a plug-in that is not a library")
        << 3 << QStringList{U("%1/nvr/Broken.nvr ファイルがロードできませんでした。"),
                            U("ヌヴァロ君のデータファイルがありません。\n終了します。")}
        << true;
  }
  void aFailedStart() {
    QFETCH(int, setUp);
    QFETCH(QStringList, messages);
    QFETCH(bool, engineLoadedBeforeExit);
    testing::ProgramFolder folder;
    if (setUp >= 1) folder.CopyEngine();
    if (setUp == 0) folder.CopyDeliveredPlugins();
    if (setUp == 2) std::filesystem::create_directories(folder.Path() / "nvr");
    if (setUp == 3) {
      folder.CopyDeliveredPlugins();
      folder.Write("nvr/Broken.nvr", "not a library");
    }
    for (QString& message : messages) {
      if (message.contains("%1")) message = message.arg(QString::fromStdString(folder.Path().string()));
    }

    testing::RecordingMessageSink sink;
    {
      CSDIWinApp program;
      QVERIFY(!program.InitInstance());
      QVERIFY(program.MainFrame() == nullptr);
      QCOMPARE(program.StepsRun(), std::vector<QString>{"prepareFramework"});
      QCOMPARE(program.Core().Engine().IsLoaded(), engineLoadedBeforeExit);
      QCOMPARE(program.Core().Plugins().Count(), 0);
      program.ExitInstance();
      QVERIFY(!program.Core().Engine().IsLoaded());
    }
    QStringList shown;
    for (const auto& message : sink.messages) {
      shown << QString::fromStdString(message.text);
      QCOMPARE(message.buttons, platform::MessageButtons::Ok);
      QCOMPARE(message.icon, platform::MessageIcon::None);
    }
    QCOMPARE(shown, messages);

    // The whole run: the same messages, and a non-zero exit status.
    sink.Clear();
    QCOMPARE(RunProgram(), 1);
    QCOMPARE(static_cast<int>(sink.messages.size()), messages.size());
  }

  void qtsOwnButtonsReadJapaneseAndTitlesGetNoSuffix() {
    testing::ProgramFolder folder;  // no engine: the start fails after preparing the framework
    testing::RecordingMessageSink sink;
    CSDIWinApp program;
    QVERIFY(!program.InitInstance());
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    QVERIFY2(box.button(QMessageBox::Yes)->text().startsWith(U("はい")), qPrintable(box.button(QMessageBox::Yes)->text()));
    QVERIFY(box.button(QMessageBox::No)->text().startsWith(U("いいえ")));
    QDialogButtonBox buttons(QDialogButtonBox::Open | QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    QVERIFY(buttons.button(QDialogButtonBox::Open)->text().startsWith(U("開く")));
    QVERIFY(buttons.button(QDialogButtonBox::Save)->text().startsWith(U("保存")));
    QVERIFY(buttons.button(QDialogButtonBox::Cancel)->text().startsWith(U("キャンセル")));
    // Qt appends a display name to every title on X11 once one is set.
    SetApplicationNames();
    QCOMPARE(QGuiApplication::applicationDisplayName(), QGuiApplication::applicationName());
  }

  void aRunEndsWhenTheMainWindowCloses() {
    testing::ProgramFolder folder;
    folder.CopyEngine();
    folder.CopyDeliveredPlugins();
    testing::RecordingMessageSink sink;
    bool sawFrame = false;
    QTimer::singleShot(0, [&] {
      for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* frame = qobject_cast<CMainFrame*>(window); frame != nullptr && frame->isVisible()) {
          sawFrame = true;
          frame->close();
        }
      }
    });
    QCOMPARE(RunProgram(), 0);
    QVERIFY(sawFrame);
    QVERIFY(sink.messages.empty());
    for (QWidget* window : QApplication::topLevelWidgets()) QVERIFY(qobject_cast<CMainFrame*>(window) == nullptr);
  }

  void theSystemFontNamesFindInstalledFonts_data() {
    QTest::addColumn<QString>("requested");
    QTest::addColumn<QString>("family");
    QTest::newRow("mincho") << U("ＭＳ 明朝") << "IPAMincho";
    QTest::newRow("gothic") << U("ＭＳ ゴシック") << "IPAGothic";
    QTest::newRow("proportional gothic") << U("ＭＳ Ｐゴシック") << "IPAPGothic";
    QTest::newRow("proportional mincho") << U("ＭＳ Ｐ明朝") << "IPAPMincho";
    QTest::newRow("serif") << "Times New Roman" << "Liberation Serif";
  }
  void theSystemFontNamesFindInstalledFonts() {
    QFETCH(QString, requested);
    QFETCH(QString, family);
    InstallFontSubstitutions();
    QFont font(requested);
    font.setPixelSize(14);
    QCOMPARE(QFontInfo(font).family(), family);
    // Japanese text is drawn by the stand-in itself, not by a fallback.
    QFontMetrics metrics(font);
    QVERIFY(metrics.inFont(QChar(0x6F22)));  // 漢
    QVERIFY(metrics.inFont(QChar(0x3042)));  // あ
  }
};

QTEST_MAIN(SdiWinAppTest)
#include "sdi_win_app_test.moc"
