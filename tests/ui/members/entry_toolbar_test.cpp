// The member-list bar on screen: its pages, buttons, dialogs (replaced so nothing waits
// for a click) and the files every action writes, in a program folder of its own.
#include <QApplication>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include <cstdlib>
#include <deque>
#include <memory>
#include <optional>

#include "core/member_list_set.h"
#include "members/entry_toolbar.h"
#include "members/member_drag_data.h"
#include "members/member_list_page.h"
#include "program_folder.h"
#include "recording_message_sink.h"
#include "temp_dir.h"
#include "test_text.h"

using nuvaro::testing::RecordingMessageSink;
using nuvaro::testing::Sjis;
using nuvaro::testing::ProgramFolder;
using nuvaro::testing::TempDir;
using nuvaro::testing::Utf8;
using namespace nuvaro;
using namespace nuvaro::ui;

namespace {

// A UTF-8 list file as the program writes it: CP932, CR LF.
std::string ListBytes(std::initializer_list<const char*> lines) {
  std::string bytes;
  for (const char* line : lines) bytes += Sjis(line) + "\r\n";
  return bytes;
}

QString CellText(CMemberListPage* page, int row, int column) { return page->CellText(row, column); }

}  // namespace

class EntryToolbarTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ProgramFolder> folder_;
  std::unique_ptr<RecordingMessageSink> sink_;
  std::unique_ptr<core::MemberListSet> lists_;
  std::unique_ptr<CEntryToolbar> bar_;
  // What the replaced registration dialog answers, and what it was shown with.
  std::deque<std::optional<core::MemberForm>> dialogAnswers_;
  std::vector<std::pair<std::string, core::MemberForm>> dialogsShown_;

  void MakeBar() {
    lists_ = std::make_unique<core::MemberListSet>();
    bar_ = std::make_unique<CEntryToolbar>(*lists_);
    bar_->SetMemberDialogRunner([this](QWidget*, std::string_view caption, core::MemberForm& form) {
      dialogsShown_.emplace_back(std::string(caption), form);
      if (dialogAnswers_.empty()) return false;
      auto answer = dialogAnswers_.front();
      dialogAnswers_.pop_front();
      if (!answer) return false;
      form = *answer;
      return true;
    });
    bar_->resize(260, 380);
    bar_->show();
    QVERIFY(QTest::qWaitForWindowExposed(bar_.get()));
  }

  static core::MemberForm Form(const char* surname, const char* given, int sex, const char* age) {
    return core::MemberForm{Sjis(surname), Sjis(given), sex, Sjis(age)};
  }

 private slots:
  void init() {
    folder_ = std::make_unique<ProgramFolder>();
    sink_ = std::make_unique<RecordingMessageSink>();
    dialogAnswers_.clear();
    dialogsShown_.clear();
  }

  void cleanup() {
    bar_.reset();
    lists_.reset();
    sink_.reset();
    folder_.reset();
  }

  void ShowsFivePagesWithThreeCentredColumns() {
    folder_->Write("lovers.lst", ListBytes({"桃 太郎,男,30", "南瓜 花子,女,20"}));
    MakeBar();
    QCOMPARE(bar_->windowTitle(), QString::fromUtf8("名前リスト"));
    QCOMPARE(bar_->PageCount(), 5);
    const char* labels[] = {"ﾘｽﾄ1", "ﾘｽﾄ2", "ﾘｽﾄ3", "ﾘｽﾄ4", "ﾘｽﾄ5"};
    const char* groups[] = {"友人", "恋人", "家族", "ﾋﾞｼﾞﾈｽ", "その他"};
    for (int i = 0; i < 5; ++i) {
      QCOMPARE(bar_->Tabs()->tabText(i), QString::fromUtf8(labels[i]));
      QCOMPARE(bar_->Tabs()->tabToolTip(i), QString::fromUtf8(groups[i]));
    }
    CMemberListPage* page = bar_->Page(1);
    QCOMPARE(page->rowCount(), 2);
    QCOMPARE(CellText(page, 1, 0), QString::fromUtf8("南瓜 花子"));
    QCOMPARE(CellText(page, 1, 1), QString::fromUtf8("女"));
    QCOMPARE(CellText(page, 1, 2), QString::fromUtf8("20"));
    const char* headers[] = {"名前", "性別", "年代"};
    for (int column = 0; column < 3; ++column) {
      QCOMPARE(page->model()->headerData(column, Qt::Horizontal).toString(), QString::fromUtf8(headers[column]));
      QCOMPARE(page->model()->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
      QCOMPARE(page->model()->index(0, column).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    }
    QVERIFY(page->showGrid());
    QCOMPARE(page->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(page->selectionBehavior(), QAbstractItemView::SelectRows);
    bar_->SetCurrentPageIndex(1);
    QTest::qWait(10);
    QCOMPARE(page->columnWidth(1), 40);
    QCOMPARE(page->columnWidth(2), 40);
    QCOMPARE(page->columnWidth(0), page->viewport()->width() - 80);
    QCOMPARE(bar_->Page(0)->rowCount(), 0);
  }

  void RegisterInsertsAboveTheFirstSelectedRowAndWritesTheFile() {
    folder_->Write("friend.lst", ListBytes({"桃 太郎,男,30", "南瓜 花子,女,20", "栗 次郎,男,40"}));
    MakeBar();
    CMemberListPage* page = bar_->Page(0);

    // No selection: at the top, age band "20" when left empty.
    dialogAnswers_.push_back(Form("柿", "一郎", 0, ""));
    QTest::mouseClick(bar_->ButtonOf(CEntryToolbar::Button::Register), Qt::LeftButton);
    QCOMPARE(dialogsShown_.size(), std::size_t{1});
    QCOMPARE(Utf8(dialogsShown_[0].first), std::string("新規登録"));
    QVERIFY(dialogsShown_[0].second.surname.empty());
    QCOMPARE(dialogsShown_[0].second.sexIndex, 0);
    QCOMPARE(page->rowCount(), 4);
    QCOMPARE(CellText(page, 0, 0), QString::fromUtf8("柿 一郎"));
    QCOMPARE(CellText(page, 0, 2), QString::fromUtf8("20"));

    // Rows 2 and 3 selected: directly above row 2.
    page->SelectRows({3, 2});
    dialogAnswers_.push_back(Form("梨", "花", 1, "50"));
    bar_->Register();
    QCOMPARE(CellText(page, 2, 0), QString::fromUtf8("梨 花"));
    QCOMPARE(CellText(page, 2, 1), QString::fromUtf8("女"));
    QCOMPARE(folder_->Read("friend.lst"),
             ListBytes({"柿 一郎,男,20", "桃 太郎,男,30", "梨 花,女,50", "南瓜 花子,女,20", "栗 次郎,男,40"}));
    // The file before the last save is the backup.
    QCOMPARE(folder_->Read("friend.bak"),
             ListBytes({"柿 一郎,男,20", "桃 太郎,男,30", "南瓜 花子,女,20", "栗 次郎,男,40"}));
    QVERIFY(sink_->messages.empty());
  }

  void RegisterRefusesAMissingNamePartAndCancelChangesNothing() {
    MakeBar();
    dialogAnswers_.push_back(Form("", "太郎", 0, "30"));
    dialogAnswers_.push_back(std::nullopt);  // cancel
    bar_->Register();
    bar_->Register();
    QCOMPARE(sink_->Texts(), std::vector<std::string>{"姓と名を入力してください。"});
    QCOMPARE(bar_->Page(0)->rowCount(), 0);
    QVERIFY(!QFile::exists(QString::fromStdString(folder_->File("friend.lst"))));
  }

  void CorrectFillsTheDialogFromTheSelectedRow_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("surname");
    QTest::addColumn<QString>("given");
    QTest::addColumn<int>("sexIndex");
    QTest::addColumn<QString>("age");
    QTest::newRow("full name") << "桃 太郎,男,30" << "桃" << "太郎" << 0 << "30";
    QTest::newRow("no space") << "桃太郎,女,20" << "" << "桃太郎" << 1 << "20";
    QTest::newRow("sex not exactly 男") << "桃 太郎,男性,10" << "桃" << "太郎" << 1 << "10";
    QTest::newRow("second space stays in the given name") << "桃 太 郎,男,x" << "桃" << "太 郎" << 0 << "x";
  }

  void CorrectFillsTheDialogFromTheSelectedRow() {
    QFETCH(QString, line);
    QFETCH(QString, surname);
    QFETCH(QString, given);
    QFETCH(int, sexIndex);
    QFETCH(QString, age);
    folder_->Write("friend.lst", ListBytes({"南瓜 花子,女,20", line.toUtf8().constData()}));
    MakeBar();
    bar_->Page(0)->SelectRows({1});
    bar_->Correct();
    QCOMPARE(dialogsShown_.size(), std::size_t{1});
    QCOMPARE(Utf8(dialogsShown_[0].first), std::string("登録修正"));
    const core::MemberForm& shown = dialogsShown_[0].second;
    QCOMPARE(QString::fromStdString(Utf8(shown.surname)), surname);
    QCOMPARE(QString::fromStdString(Utf8(shown.givenName)), given);
    QCOMPARE(shown.sexIndex, sexIndex);
    QCOMPARE(QString::fromStdString(Utf8(shown.ageBand)), age);
    QCOMPARE(bar_->Page(0)->rowCount(), 2);  // cancelled: nothing changed
  }

  void CorrectRewritesTheRow() {
    folder_->Write("friend.lst", ListBytes({"南瓜 花子,女,20", "桃 太郎,男,30"}));
    MakeBar();
    bar_->Page(0)->SelectRows({1});
    dialogAnswers_.push_back(Form("桃", "次郎", 0, ""));
    bar_->Correct();
    // An empty age band stays empty when correcting.
    QCOMPARE(folder_->Read("friend.lst"), ListBytes({"南瓜 花子,女,20", "桃 次郎,男,"}));
    QCOMPARE(CellText(bar_->Page(0), 1, 0), QString::fromUtf8("桃 次郎"));
    QCOMPARE(bar_->Page(0)->SelectedRows(), std::vector<int>{1});
    // A correction with an empty name part changes nothing.
    dialogAnswers_.push_back(Form("桃", "", 0, "40"));
    bar_->Correct();
    QCOMPARE(folder_->Read("friend.lst"), ListBytes({"南瓜 花子,女,20", "桃 次郎,男,"}));
  }

  void CorrectAndDeleteWithoutSelectionTellTheUser() {
    folder_->Write("friend.lst", ListBytes({"桃 太郎,男,30"}));
    MakeBar();
    QTest::mouseClick(bar_->ButtonOf(CEntryToolbar::Button::Correct), Qt::LeftButton);
    QTest::mouseClick(bar_->ButtonOf(CEntryToolbar::Button::Delete), Qt::LeftButton);
    QCOMPARE(sink_->Texts(),
             (std::vector<std::string>{"修正する項目を選択してください。", "削除する項目を選択してください。"}));
    QVERIFY(dialogsShown_.empty());
    QCOMPARE(bar_->Page(0)->rowCount(), 1);
  }

  void AListHeldUntilRestartOpensNoDialog() {
    folder_->Write("friend.lst", ListBytes({"桃 太郎,男,30"}));
    MakeBar();
    lists_->Page(0).HoldUntilRestart();
    bar_->Page(0)->SelectRows({0});
    for (auto button : {CEntryToolbar::Button::Register, CEntryToolbar::Button::Correct, CEntryToolbar::Button::Delete}) {
      sink_->Clear();
      QTest::mouseClick(bar_->ButtonOf(button), Qt::LeftButton);
      QCOMPARE(sink_->messages.size(), std::size_t{1});
      QVERIFY(sink_->messages[0].text.starts_with("名前リストの読込みが途中で止まっているため"));
    }
    QVERIFY(dialogsShown_.empty());
    QCOMPARE(folder_->Read("friend.lst"), ListBytes({"桃 太郎,男,30"}));
  }

  void DeleteAsksOnceForAllSelectedRows() {
    folder_->Write("friend.lst", ListBytes({"一 郎,男,10", "二 郎,男,20", "三 郎,男,30", "四 郎,男,40", "五 郎,男,50"}));
    MakeBar();
    CMemberListPage* page = bar_->Page(0);
    page->SelectRows({0, 2, 4});
    sink_->QueueAnswer(platform::kIdNo);
    bar_->Delete();
    QCOMPARE(page->rowCount(), 5);
    page->SelectRows({0, 2, 4});
    sink_->QueueAnswer(platform::kIdYes);
    bar_->Delete();
    QCOMPARE(sink_->messages.size(), std::size_t{2});
    for (const auto& message : sink_->messages) {
      QCOMPARE(message.text, std::string("削除してもよろしいですか？"));
      QCOMPARE(message.buttons, platform::MessageButtons::YesNo);
    }
    QCOMPARE(page->rowCount(), 2);
    QCOMPARE(folder_->Read("friend.lst"), ListBytes({"二 郎,男,20", "四 郎,男,40"}));
  }

  void ImportSharesTheFileOverTheFiveLists() {
    MakeBar();
    std::string source;
    for (int i = 1; i <= 20; ++i) source += Sjis("人 " + std::to_string(i) + ",男," + std::to_string(i)) + "\r\n";
    const std::string path = folder_->Write("import.csv", source);
    int asked = 0;
    bar_->SetOpenFileChooser([&](QWidget*) {
      ++asked;
      return QString::fromStdString(path);
    });
    QTest::mouseClick(bar_->ButtonOf(CEntryToolbar::Button::Import), Qt::LeftButton);
    QCOMPARE(asked, 1);
    QCOMPARE(bar_->Page(0)->rowCount(), 15);
    QCOMPARE(bar_->Page(1)->rowCount(), 5);
    QCOMPARE(CellText(bar_->Page(1), 0, 0), QString::fromUtf8("人 16"));
    for (int i = 2; i < 5; ++i) QCOMPARE(bar_->Page(i)->rowCount(), 0);
    // Asked first, then told where the members went.
    QCOMPARE(sink_->messages.size(), std::size_t{2});
    QCOMPARE(sink_->messages[0].buttons, platform::MessageButtons::YesNo);
    QVERIFY(sink_->messages[1].text.rfind("名前リストを読み込みました。\nﾘｽﾄ1：15人　ﾘｽﾄ2：5人　ﾘｽﾄ3：0人", 0) == 0);
  }

  void ImportThatFailsLeavesTheListsAsTheyWere() {
    folder_->Write("friend.lst", ListBytes({"桃 太郎,男,30"}));
    MakeBar();
    // A line without "," must be 1 to 29 bytes long.
    const std::string path = folder_->Write("bad.txt", Sjis("南瓜 花子,女,20\r\n") + std::string(40, 'x') + "\r\n");
    bar_->SetOpenFileChooser([&](QWidget*) { return QString::fromStdString(path); });
    bar_->Import();
    QCOMPARE(sink_->Texts(), std::vector<std::string>{"指定されたファイルの読込みに失敗しました。"});
    QCOMPARE(folder_->Read("friend.lst"), ListBytes({"桃 太郎,男,30"}));
    QCOMPARE(bar_->Page(0)->rowCount(), 1);

    // Cancelling the file dialog does nothing at all.
    sink_->Clear();
    bar_->SetOpenFileChooser([](QWidget*) { return QString(); });
    bar_->Import();
    QVERIFY(sink_->messages.empty());
    QCOMPARE(bar_->Page(0)->rowCount(), 1);
  }

  void ExportJoinsTheFiveListsAndSaysWhere() {
    folder_->Write("friend.lst", ListBytes({"桃 太郎,男,30"}));
    for (const char* name : {"lovers.lst", "family.lst", "business.lst"}) folder_->Write(name, "");
    folder_->Write("others.lst", ListBytes({"南瓜 花子,女,20"}));
    MakeBar();
    TempDir target;
    const std::string path = target.File("all.lst");
    bar_->SetSaveFileChooser([&](QWidget*) { return QString::fromStdString(path); });
    QTest::mouseClick(bar_->ButtonOf(CEntryToolbar::Button::Export), Qt::LeftButton);
    QCOMPARE(target.Read("all.lst"), ListBytes({"桃 太郎,男,30,ﾘｽﾄ1", "南瓜 花子,女,20,ﾘｽﾄ5"}));
    QCOMPARE(sink_->Texts(), std::vector<std::string>{"< all.lst >ファイルにメンバーリストが保存されました"});

    // "CSV UTF-8" chosen in the save dialog: the same lines in UTF-8 for other programs.
    bar_->SetSaveFileChooser([&](QWidget*) { return CEntryToolbar::ExportChoice(QString::fromStdString(target.File("all.csv")), true); });
    bar_->Export();
    QCOMPARE(target.Read("all.csv"), std::string("\xEF\xBB\xBF") + "桃 太郎,男,30,ﾘｽﾄ1\r\n南瓜 花子,女,20,ﾘｽﾄ5\r\n");

    sink_->Clear();
    bar_->SetSaveFileChooser([](QWidget*) { return QString(); });
    bar_->Export();
    QVERIFY(sink_->messages.empty());
  }

  void ExportStopsAtAListFileThatCannotBeRead() {
    folder_->Write("friend.lst", ListBytes({"桃 太郎,男,30"}));
    MakeBar();
    TempDir target;
    bar_->SetSaveFileChooser([&](QWidget*) { return QString::fromStdString(target.File("all.lst")); });
    bar_->Export();
    QCOMPARE(target.Read("all.lst"), ListBytes({"桃 太郎,男,30,ﾘｽﾄ1"}));
    QCOMPARE(sink_->Texts(), std::vector<std::string>{folder_->File("lovers.lst") + "ファイルがオープンできません。"});
  }

  void CloseHidesTheBar() {
    MakeBar();
    QSignalSpy closed(bar_.get(), &CEntryToolbar::closed);
    QTest::mouseClick(bar_->ButtonOf(CEntryToolbar::Button::Close), Qt::LeftButton);
    QVERIFY(!bar_->isVisible());
    QCOMPARE(closed.count(), 1);
  }

  void DraggedRowCarriesItsMemberText() {
    folder_->Write("friend.lst", ListBytes({"桃 太郎,男,30", "表 ソ能,女,"}));
    MakeBar();
    QCOMPARE(bar_->Page(0)->DragTextForRow(1), Sjis("表 ソ能,女,"));
    QCOMPARE(bar_->Page(0)->DragTextForRow(0), Sjis("桃 太郎,男,30"));
    QVERIFY(bar_->Page(0)->DragTextForRow(2).empty());
    QVERIFY(bar_->Page(0)->dragEnabled());
  }

  void TextDroppedOnAPageIsThrownAway() {
    folder_->Write("friend.lst", ListBytes({"桃 太郎,男,30"}));
    MakeBar();
    CMemberListPage* page = bar_->Page(0);
    std::unique_ptr<QMimeData> data(MemberDragData(Sjis("南瓜 花子,女,20")));
    const QPoint at = page->viewport()->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(page->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(page->viewport(), &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(page->rowCount(), 1);
    QCOMPARE(folder_->Read("friend.lst"), ListBytes({"桃 太郎,男,30"}));
  }
};

QTEST_MAIN(EntryToolbarTest)
#include "entry_toolbar_test.moc"
