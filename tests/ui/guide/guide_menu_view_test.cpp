// The guide menu built from real plug-ins: rows, texts, fonts, colours and event ids,
// the column rule, the fixed entry, and what a click on an entry does.
#include <QtTest>

#include <QFontInfo>
#include <QLabel>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/companion_launcher.h"
#include "core/face.h"
#include "core/font_settings.h"
#include "core/plugin_host.h"
#include "platform/qt/text_conversion.h"
#include "program_folder.h"
#include "recording_message_sink.h"
#include "test_text.h"
#include "ui/controls/link_label.h"
#include "ui/fonts/font_substitutions.h"
#include "ui/guide/guide_form_layout.h"
#include "ui/guide/guide_menu_view.h"

using namespace nuvaro;
using namespace nuvaro::ui;
using testing::Sjis;
using testing::ProgramFolder;

namespace {

const char* const kMatchHeading = "相手があなたに何を願っているのかがわかります。";
const char* const kTacticHeading = "相手との付き合い方がわかります。";

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// One row as the view shows it: text, where the label stands, the picture's place
// (none for a heading) and the command (-1 for a heading).
struct ShownRow {
  QString text;
  QPoint labelPos;
  std::optional<QPoint> picturePos;
  int command = -1;
};

std::vector<ShownRow> ShownRows(const CGuideMenuView& view) {
  std::vector<ShownRow> rows;
  for (const auto& pair : view.Entries()) {
    ShownRow row{pair.label->text(), pair.label->pos(), std::nullopt, pair.label->CommandIdentifier().value_or(-1)};
    if (pair.picture != nullptr) row.picturePos = pair.picture->pos();
    rows.push_back(row);
  }
  return rows;
}

core::FontSettings DefaultFonts() {
  core::FontSettings fonts;
  fonts.guideFontName = Sjis("ＭＳ Ｐゴシック");
  fonts.nuvaroFontName = Sjis("ＭＳ 明朝");
  fonts.contentsFontName = Sjis("ＭＳ ゴシック");
  return fonts;
}

// A program folder with chosen plug-ins loaded into a host, and a guide menu over it.
struct GuideBench {
  ProgramFolder folder;
  testing::RecordingMessageSink sink;
  core::PluginHost host;
  core::CFace face;
  core::CompanionLauncher companions{50};
  std::unique_ptr<CGuideMenuView> view;

  bool Load() { return host.LoadFrom(folder.PluginFolder()); }
  void Build(const core::FontSettings& fonts = DefaultFonts()) {
    view = std::make_unique<CGuideMenuView>(host, face, companions, fonts);
    view->resize(800, 560);
  }
  std::vector<int> EventIds() {
    std::vector<int> ids;
    for (int i = 0; i < host.Count(); ++i) ids.push_back(host.GetEvent(i));
    return ids;
  }
};

core::GuideMenuItem Item(int group, bool startsGroup) {
  core::GuideMenuItem item;
  item.group = group;
  item.hasEntry = group != core::kOwnFaceGroup;
  item.startsGroup = startsGroup;
  return item;
}

}  // namespace

class GuideMenuViewTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallFontSubstitutions(); }

  void formPlaceholdersInPixels() {
    GuideFormGeometry form = GuideFormPlaceholders();
    QCOMPARE(form.form, QSize(672, 510));
    QCOMPARE(form.leftColumn, QRect(41, 48, 285, 381));
    QCOMPARE(form.rightColumn, QRect(341, 48, 285, 381));
    QCOMPARE(form.fixedEntryLine, QRect(41, 447, 587, 21));
  }

  void columnRule_data() {
    QTest::addColumn<int>("entries");
    QTest::addColumn<QPoint>("lastRow");
    QTest::addColumn<int>("rowsInLeftColumn");
    // One heading, then entries every 30 pixels from y = 48; y = 438 is no longer above
    // the column's bottom (429).
    QTest::newRow("12 entries fill the left column") << 12 << QPoint(41, 408) << 13;
    QTest::newRow("the 13th opens the right column") << 13 << QPoint(341, 48) << 13;
    QTest::newRow("25 entries fill the right column") << 25 << QPoint(341, 408) << 13;
    QTest::newRow("the 26th starts the right column again") << 26 << QPoint(341, 48) << 13;
  }
  void columnRule() {
    QFETCH(int, entries);
    QFETCH(QPoint, lastRow);
    QFETCH(int, rowsInLeftColumn);
    std::vector<core::GuideMenuItem> items;
    for (int i = 0; i < entries; ++i) items.push_back(Item(4, i == 0));
    std::vector<GuideRow> rows = LayoutGuideRows(items, GuideFormPlaceholders());
    QCOMPARE(static_cast<int>(rows.size()), entries + 1);
    QCOMPARE(rows.back().origin, lastRow);
    int left = 0;
    for (const GuideRow& row : rows) left += row.origin.x() == 41 ? 1 : 0;
    QCOMPARE(left, std::min(rowsInLeftColumn, entries + 1));
  }

  void headingsAndGroupSixInTheLayout() {
    // group 6 leaves no row and no heading, and does not end a run of its neighbours.
    std::vector<core::GuideMenuItem> items = {Item(4, true), Item(6, false), Item(4, false), Item(1, true)};
    std::vector<GuideRow> rows = LayoutGuideRows(items, GuideFormPlaceholders());
    QCOMPARE(static_cast<int>(rows.size()), 5);
    const GuideRow::Kind kinds[] = {GuideRow::Kind::Heading, GuideRow::Kind::Entry, GuideRow::Kind::Entry,
                                    GuideRow::Kind::Heading, GuideRow::Kind::Entry};
    const int itemIndex[] = {0, 0, 2, 3, 3};
    for (int i = 0; i < 5; ++i) {
      QCOMPARE(rows[static_cast<std::size_t>(i)].kind, kinds[i]);
      QCOMPARE(rows[static_cast<std::size_t>(i)].itemIndex, itemIndex[i]);
      QCOMPARE(rows[static_cast<std::size_t>(i)].origin, QPoint(41, 48 + 30 * i));
    }
    QCOMPARE(rows[1].PictureTopLeft(), QPoint(61, 78));
    QCOMPARE(rows[1].ButtonTopLeft(), QPoint(98, 78));
  }

  void theFourDeliveredPlugIns() {
    GuideBench bench;
    bench.folder.CopyDeliveredPlugins();
    QVERIFY(bench.Load());
    bench.Build();
    const std::vector<ShownRow> expected = {
        {U(kMatchHeading), {41, 48}, std::nullopt, -1},
        {U("夫婦の相性編"), {98, 78}, QPoint(61, 78), 1},
        {U("恋人の相性編"), {98, 108}, QPoint(61, 108), 2},
        {U(kTacticHeading), {41, 138}, std::nullopt, -1},
        {U("夫婦の攻略編"), {98, 168}, QPoint(61, 168), 3},
        {U("恋人の攻略編"), {98, 198}, QPoint(61, 198), 4},
    };
    std::vector<ShownRow> shown = ShownRows(*bench.view);
    QCOMPARE(shown.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
      QCOMPARE(shown[i].text, expected[i].text);
      QCOMPARE(shown[i].labelPos, expected[i].labelPos);
      QCOMPARE(shown[i].picturePos, expected[i].picturePos);
      QCOMPARE(shown[i].command, expected[i].command);
    }
    QCOMPARE(bench.EventIds(), (std::vector<int>{1, 2, 3, 4}));
    QVERIFY(bench.sink.messages.empty());
  }

  void entriesAndHeadingsLookAsSet() {
    GuideBench bench;
    bench.folder.CopyDeliveredPlugins();
    QVERIFY(bench.Load());
    bench.Build();
    const auto& entries = bench.view->Entries();
    CLinkLabel* heading = entries[0].label;
    CLinkLabel* entry = entries[1].label;
    QCOMPARE(heading->TextColour(), QColor(225, 136, 59));
    QVERIFY(heading->IsBackgroundOpaque());
    QCOMPARE(heading->BackgroundColour(), QColor(255, 230, 179));
    QVERIFY(!heading->IsLinked());
    QCOMPARE(heading->font().pixelSize(), 14);
    QCOMPARE(heading->size(), heading->sizeHint());

    QCOMPARE(entry->TextColour(), QColor(51, 51, 204));
    QVERIFY(entry->IsLinked());
    QCOMPARE(entry->font().pixelSize(), 14);
    QCOMPARE(entry->Tip()->TipText(),
             U("相手の知られざる思いと、愛情のあり方がわかります。そして、あなたに何を願っているかがわかります"));
    QCOMPARE(entry->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(entry->size(), entry->sizeHint());
    QCOMPARE(entries[1].picture->size(), QSize(32, 32));
    QVERIFY(!entries[1].picture->pixmap().isNull());
    QCOMPARE(entries[4].label->Tip()->TipText(),
             U("相手の知られざる思いと、愛情のあり方を知ることによって、心の交流ができるようになります。"));

    CLinkLabel* fixed = bench.view->FixedEntry();
    QCOMPARE(fixed->text(), U("=>ヌヴァロ君を使った具体的な悩みの解決方法！！"));
    QCOMPARE(fixed->Tip()->TipText(), U("ヌヴァロ君を使って具体的な問題解決の方法を説明します。"));
    QCOMPARE(fixed->font().pixelSize(), 16);
    QCOMPARE(fixed->TextColour(), QColor(102, 102, 255));
    QCOMPARE(fixed->CommandIdentifier().value_or(-1), 1000);
    QCOMPARE(fixed->pos(), QPoint(41, 447));
    QCOMPARE(fixed->cursor().shape(), Qt::BitmapCursor);
  }

  void aGroupSixPlugInBetweenTakesAnIdButNoRow() {
    GuideBench bench;
    bench.folder.CopyDeliveredPlugins();
    bench.folder.CopyFixture(NUVARO_GUIDE_TEST_PLUGIN_DIR, "OwnFace.nvr", "nvr/OwnFace.nvr");
    QVERIFY(bench.Load());
    QCOMPARE(bench.host.FileNames()[2], std::string("OwnFace.nvr"));
    bench.Build();
    std::vector<ShownRow> shown = ShownRows(*bench.view);
    QCOMPARE(shown.size(), std::size_t{6});
    const int commands[] = {-1, 1, 2, -1, 4, 5};
    for (std::size_t i = 0; i < shown.size(); ++i) {
      QCOMPARE(shown[i].command, commands[i]);
      QCOMPARE(shown[i].labelPos.y(), 48 + 30 * static_cast<int>(i));
      QVERIFY(!shown[i].text.contains("OwnFace"));
    }
    QCOMPARE(bench.EventIds(), (std::vector<int>{1, 2, 3, 4, 5}));
  }

  void theProgramFolderShowsFourEntriesUnderTwoHeadings() {
    // Every plug-in the build puts in the program folder, the user's own reading included.
    GuideBench bench;
    bench.folder.CopyBuiltPlugins();
    QVERIFY(bench.Load());
    bench.Build();
    const std::vector<std::pair<QString, int>> expected = {
        {U(kMatchHeading), -1}, {U("夫婦の相性編"), 1}, {U("恋人の相性編"), 2},
        {U(kTacticHeading), -1}, {U("夫婦の攻略編"), 4}, {U("恋人の攻略編"), 5}};
    std::vector<std::pair<QString, int>> shown;
    for (const ShownRow& row : ShownRows(*bench.view)) shown.emplace_back(row.text, row.command);
    QCOMPARE(shown, expected);
    QCOMPARE(bench.EventIds(), (std::vector<int>{1, 2, 3, 4, 5}));
    QVERIFY(bench.sink.messages.empty());
  }

  void aPlugInOfAnotherGroupSplitsARunIntoTwoHeadings() {
    GuideBench bench;
    bench.folder.CopyDeliveredPlugins();
    bench.folder.CopyFixture(NUVARO_GUIDE_TEST_PLUGIN_DIR, "TacticDivider.nvr", "nvr/MatchDivider.nvr");
    QVERIFY(bench.Load());
    bench.Build();
    QStringList headings;
    for (const ShownRow& row : ShownRows(*bench.view))
      if (row.command == -1) headings << row.text;
    QCOMPARE(headings, (QStringList{U(kMatchHeading), U("Heading of TacticDivider"), U(kMatchHeading),
                                    U(kTacticHeading)}));
    QCOMPARE(bench.EventIds(), (std::vector<int>{1, 2, 3, 4, 5}));
  }

  void rebuildingStartsTheIdsAtOneAgain() {
    GuideBench bench;
    bench.folder.CopyDeliveredPlugins();
    bench.folder.CopyFixture(NUVARO_GUIDE_TEST_PLUGIN_DIR, "OwnFace.nvr", "nvr/OwnFace.nvr");
    QVERIFY(bench.Load());
    bench.Build();
    for (int i = 0; i < bench.host.Count(); ++i) bench.host.SetEvent(90 + i, i);
    bench.view->BuildMenu();
    QCOMPARE(bench.EventIds(), (std::vector<int>{1, 2, 3, 4, 5}));
    QCOMPARE(bench.view->Entries().size(), std::size_t{6});
  }

  void withoutPlugInsOnlyTheFixedEntry() {
    GuideBench bench;
    QVERIFY(!bench.Load());
    bench.sink.Clear();
    bench.Build();
    QVERIFY(bench.view->Entries().empty());
    QVERIFY(bench.view->FixedEntry() != nullptr);
  }

  void clickingAnEntryActivatesItsReading() {
    GuideBench bench;
    bench.folder.CopyDeliveredPlugins();
    QVERIFY(bench.Load());
    bench.Build();
    bench.view->show();
    QVERIFY(QTest::qWaitForWindowExposed(bench.view.get()));
    std::vector<core::ReadingActivation> activations;
    QObject::connect(bench.view.get(), &CGuideMenuView::readingActivated,
                     [&](const core::ReadingActivation& activation) { activations.push_back(activation); });
    CLinkLabel* tacticCouple = bench.view->Entries()[4].label;
    QTest::mouseClick(tacticCouple, Qt::LeftButton);
    QTRY_COMPARE(activations.size(), std::size_t{1});
    QCOMPARE(bench.face.activeEvent, 3);
    const core::ReadingActivation& activation = activations.front();
    QCOMPARE(platform::QStringFromCp932(activation.frameTitle), U("夫婦の攻略編"));
    QCOMPARE(platform::QStringFromCp932(activation.menuCaption), U("夫婦の攻略編"));
    QCOMPARE(platform::QStringFromCp932(activation.menuExplanation),
             U("相手の知られざる思いと同時に、愛情のあり方を知ることによって、心の交流が相互にできるようになります。"));
    QCOMPARE(platform::QStringFromCp932(activation.percentageLabel), U("実践度"));
  }

  void theKeyboardReachesEveryLink() {
    GuideBench bench;
    bench.folder.CopyDeliveredPlugins();
    QVERIFY(bench.Load());
    bench.Build();
    bench.view->show();
    QVERIFY(QTest::qWaitForWindowExposed(bench.view.get()));
    std::vector<int> chosen;
    QObject::connect(bench.view.get(), &CGuideMenuView::readingActivated,
                     [&](const core::ReadingActivation&) { chosen.push_back(bench.face.activeEvent); });
    CLinkLabel* first = bench.view->Entries()[1].label;
    first->setFocus();
    QTRY_VERIFY(first->hasFocus());
    // The focused link shows its hover colour; the others keep theirs.
    QCOMPARE(first->TextColour(), first->HoverColour());
    QTest::keyClick(first, Qt::Key_Down);
    CLinkLabel* second = bench.view->Entries()[2].label;
    QVERIFY(second->hasFocus());
    QCOMPARE(first->TextColour(), QColor(51, 51, 204));
    // Up from the first link wraps round to the fixed entry, past the headings.
    QTest::keyClick(second, Qt::Key_Up);
    QTest::keyClick(first, Qt::Key_Up);
    QVERIFY(bench.view->FixedEntry()->hasFocus());
    QTest::keyClick(bench.view->FixedEntry(), Qt::Key_Down);
    QVERIFY(first->hasFocus());
    QTest::keyClick(first, Qt::Key_Down);
    QTest::keyClick(second, Qt::Key_Return);
    QCOMPARE(chosen, std::vector<int>{2});
    QTest::keyClick(second, Qt::Key_Space);
    QCOMPARE(chosen, (std::vector<int>{2, 2}));
  }

  void otherCommandsAreLeftToTheFrame() {
    GuideBench bench;
    bench.folder.CopyDeliveredPlugins();
    bench.folder.CopyFixture(NUVARO_GUIDE_TEST_PLUGIN_DIR, "OwnFace.nvr", "nvr/OwnFace.nvr");
    QVERIFY(bench.Load());
    bench.Build();
    int activations = 0;
    QObject::connect(bench.view.get(), &CGuideMenuView::readingActivated, [&] { ++activations; });
    QVERIFY(!bench.view->OnCommand(0));
    QVERIFY(!bench.view->OnCommand(6));
    QVERIFY(!bench.view->OnCommand(999));
    QCOMPARE(activations, 0);
    QCOMPARE(bench.face.activeEvent, 0);
    // The group-6 plug-in's id is an event id like any other.
    QVERIFY(bench.view->OnCommand(3));
    QCOMPARE(bench.face.activeEvent, 3);
  }

  void theFixedEntryStartsTheNavigator() {
    GuideBench bench;
    bench.folder.CopyDeliveredPlugins();
    QVERIFY(bench.Load());
    bench.Build();
    bench.view->show();
    QVERIFY(QTest::qWaitForWindowExposed(bench.view.get()));
    // Without the companion program beside the program: the message.
    QTest::mouseClick(bench.view->FixedEntry(), Qt::LeftButton);
    QTRY_COMPARE(bench.sink.Texts().size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(bench.sink.Texts().front()),
             U("NuvaroNavi.exeがありませんので、ヌヴァロ問題解決メニューは表示できません。"));
    // With it: started, nothing shown.
    bench.sink.Clear();
    bench.folder.InstallFakeCompanion("NuvaroNavi");
    QTest::mouseClick(bench.view->FixedEntry(), Qt::LeftButton);
    QTRY_COMPARE(bench.folder.CompanionsStarted(), std::vector<std::string>{"NuvaroNavi"});
    QVERIFY(bench.sink.messages.empty());
    QCOMPARE(bench.face.activeEvent, 0);
  }

  void theGuideFontComesFromTheSettings_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("faceName");
    QTest::addColumn<QString>("family");
    QTest::newRow("default when the key is missing")
        << QByteArray("[Font]\nNuvaroFontName=x\n") << U("ＭＳ Ｐゴシック") << QString("IPAPGothic");
    QTest::newRow("fixed-pitch gothic") << QByteArray("[Font]\nGuideFontName=") + QByteArray::fromStdString(Sjis("ＭＳ ゴシック")) + "\n"
                                        << U("ＭＳ ゴシック") << QString("IPAGothic");
    QTest::newRow("mincho") << QByteArray("[Font]\nGuideFontName=") + QByteArray::fromStdString(Sjis("ＭＳ 明朝")) + "\n"
                            << U("ＭＳ 明朝") << QString("IPAMincho");
    QTest::newRow("an empty value is not the default") << QByteArray("[Font]\nGuideFontName=\n") << QString() << QString();
  }
  void theGuideFontComesFromTheSettings() {
    QFETCH(QByteArray, ini);
    QFETCH(QString, faceName);
    QFETCH(QString, family);
    GuideBench bench;
    bench.folder.CopyDeliveredPlugins();
    QVERIFY(bench.Load());
    std::string path = bench.folder.Write("nuvaro.ini", ini.toStdString());
    bench.Build(core::ReadFontSettings(path));
    QCOMPARE(bench.view->GuideFontName(), faceName);
    for (const auto& pair : bench.view->Entries()) {
      QCOMPARE(pair.label->font().families().value(0), faceName);
      if (!family.isEmpty()) QCOMPARE(QFontInfo(pair.label->font()).family(), family);
    }
    QCOMPARE(bench.view->FixedEntry()->font().families().value(0), faceName);
  }
};

QTEST_MAIN(GuideMenuViewTest)
#include "guide_menu_view_test.moc"
