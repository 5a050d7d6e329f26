// The name finder as a user drives it: type a reading, see the names with their
// percentages against the board's people, open a name's own reading with a double click,
// register it into the member list with "登録", keep it with ★.
#include <QApplication>
#include <QInputMethodEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QHeaderView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <memory>

#include "core/engine_binding.h"
#include "core/face.h"
#include "core/guide_menu_model.h"
#include "core/member_list_set.h"
#include "core/plugin_host.h"
#include "members/entry_toolbar.h"
#include "members/member_list_page.h"
#include "naming/name_favourites.h"
#include "program_folder.h"
#include "recording_message_sink.h"
#include "temp_dir.h"
#include "test_text.h"
#include "ui/naming/name_finder_launcher.h"
#include "ui/naming/name_finder_window.h"
#include "ui/naming/name_table_model.h"
#include "ui/naming/surname_change_dialog.h"
#include "ui/detail/band_label.h"
#include "ui/detail/contents_dialog.h"
#include "core/detail_composition.h"

using nuvaro::testing::Sjis;
using nuvaro::testing::Utf8;
using namespace nuvaro;
using namespace nuvaro::ui;

class NameFinderWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<testing::ProgramFolder> folder_;
  std::unique_ptr<testing::TempDir> data_;
  std::unique_ptr<testing::RecordingMessageSink> sink_;
  std::unique_ptr<core::EngineBinding> engine_;
  std::unique_ptr<core::PluginHost> host_;
  std::unique_ptr<core::CFace> face_;
  std::unique_ptr<core::MemberListSet> lists_;
  std::unique_ptr<CEntryToolbar> bar_;
  std::unique_ptr<CNameFinderWindow> window_;
  std::vector<std::string> opened_;

  QString Cell(int row, int column) const {
    return window_->Model()->data(window_->Model()->index(row, column), Qt::DisplayRole).toString();
  }
  // Text as an input method commits it (Japanese cannot be typed as key clicks).
  static void Commit(QWidget* edit, const QString& text) {
    edit->setFocus();
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(edit, &event);
  }
  int Rows() const { return window_->Model()->rowCount(); }
  int FindRow(const QString& writing) const {
    for (int row = 0; row < Rows(); ++row) {
      if (Cell(row, CNameTableModel::Writing) == writing) return row;
    }
    return -1;
  }

  void MakeWindow() {
    window_ = std::make_unique<CNameFinderWindow>(
        *face_, *host_, *engine_,
        [this](const std::string& fullName, bool isMale) { return RegisterFoundName(*bar_, fullName, isMale); },
        [this](const std::string& fullName, bool) {
          opened_.push_back(Utf8(fullName));
          return true;
        });
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

 private slots:
  void init() {
    folder_ = std::make_unique<testing::ProgramFolder>();
    folder_->CopyEngine();
    folder_->CopyBuiltPlugins();
    data_ = std::make_unique<testing::TempDir>();
    setenv("NUVARO_DATA_DIR", data_->Path().c_str(), 1);
    sink_ = std::make_unique<testing::RecordingMessageSink>();
    engine_ = std::make_unique<core::EngineBinding>();
    QVERIFY(engine_->Bind());
    host_ = std::make_unique<core::PluginHost>();
    QVERIFY(host_->Load());
    core::BuildGuideMenu(*host_);
    face_ = std::make_unique<core::CFace>();
    face_->CreateSelf();
    face_->SetSelf(Sjis("山田 太郎,男,30"));
    face_->AddFace(300, 100, Sjis("鈴木 一郎,男,40"), *engine_);
    face_->activeEvent = 1;
    lists_ = std::make_unique<core::MemberListSet>();
    bar_ = std::make_unique<CEntryToolbar>(*lists_);
    opened_.clear();
    MakeWindow();
  }
  void cleanup() {
    window_.reset();
    bar_.reset();
    lists_.reset();
    face_.reset();
    host_.reset();
    engine_.reset();
    sink_.reset();
    folder_.reset();  // before the next test's folder, which would otherwise lose its setting
    unsetenv("NUVARO_DATA_DIR");
    data_.reset();
  }

  void typingAReadingListsItsNamesRankedAgainstTheUser() {
    QCOMPARE(window_->SurnameEdit()->text(), QStringLiteral("山田"));  // the user's surname
    QVERIFY(window_->ReadingEdit()->testAttribute(Qt::WA_InputMethodEnabled));
    window_->SexCombo()->setCurrentIndex(2);  // 女
    window_->ReadingEdit()->setFocus();
    Commit(window_->ReadingEdit(), QStringLiteral("はな"));
    QVERIFY(Rows() > 20);
    QVERIFY(FindRow(QStringLiteral("花")) >= 0);
    for (int row = 0; row < Rows(); ++row) {
      QVERIFY2(Cell(row, CNameTableModel::Reading).startsWith(QStringLiteral("はな")), qPrintable(Cell(row, 1)));
    }
    const int hana = FindRow(QStringLiteral("花"));
    QCOMPARE(Cell(hana, CNameTableModel::Strokes), QStringLiteral("7"));
    QCOMPARE(Cell(hana, CNameTableModel::Sums), QStringLiteral("16 8 9 15 8 13 11 4 12"));
    QVERIFY(Cell(0, CNameTableModel::Minimum).endsWith(QLatin1Char('%')));
    QVERIFY(Cell(0, CNameTableModel::Minimum).chopped(1).toInt() >= Cell(Rows() - 1, CNameTableModel::Minimum).chopped(1).toInt());

    // Ticking the second person on the board never raises a name's lowest percentage.
    const int before = Cell(hana, CNameTableModel::Minimum).chopped(1).toInt();
    QCOMPARE(window_->Persons()->count(), 2);
    window_->Persons()->item(1)->setCheckState(Qt::Checked);
    QVERIFY(Cell(FindRow(QStringLiteral("花")), CNameTableModel::Minimum).chopped(1).toInt() <= before);

    // The keyboard moves through the results.
    window_->Results()->setFocus();
    window_->Results()->selectRow(0);
    QTest::keyClick(window_->Results(), Qt::Key_Down);
    QCOMPARE(window_->Results()->currentIndex().row(), 1);
  }

  void aReadingThatIsNotKanaIsSaidSo() {
    QTest::keyClicks(window_->ReadingEdit(), QStringLiteral("hana"));
    QCOMPARE(Rows(), 0);
    QCOMPARE(window_->Status()->text(), QStringLiteral("よみは、ひらがなかカタカナで入力してください。"));
  }

  void doubleClickOpensTheReadingAndRegisterAddsAMember() {
    Commit(window_->ReadingEdit(), QStringLiteral("はなこ"));
    const int row = FindRow(QStringLiteral("花子"));
    QVERIFY(row >= 0);
    QTableView* table = window_->Results();
    table->scrollTo(window_->Model()->index(row, 1));
    const QRect cell = table->visualRect(window_->Model()->index(row, CNameTableModel::Writing));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(opened_, std::vector<std::string>{"山田 花子"});

    QTest::mouseClick(window_->RegisterButton(), Qt::LeftButton);
    CMemberListPage* page = bar_->Page(bar_->CurrentPageIndex());
    QCOMPARE(page->CellText(0, 0), QStringLiteral("山田 花子"));
    QCOMPARE(page->SelectedRows(), std::vector<int>{0});

    QTest::mouseClick(window_->FavouriteButton(), Qt::LeftButton);
    QCOMPARE(Cell(row, CNameTableModel::Favourite), QStringLiteral("★"));
    naming::NameFavourites saved;
    QVERIFY(saved.Load());
    QVERIFY(saved.Contains(Sjis("花子"), Sjis("はなこ")));
  }

  // What the program's double click does: the own reading of the found name.
  void theFoundNameGetsItsOwnReading() {
    QString title, firstItem;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<CContentsDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      title = dialog->TitleLabel()->text();
      firstItem = QString::fromStdString(Utf8(dialog->Reading().personName + dialog->Reading().Caption(1)));
      dialog->reject();
    });
    QVERIFY(OpenOwnReading(Sjis("山田 花子"), false, *host_, *engine_, window_.get()));
    QCOMPARE(title, QStringLiteral("●あなたの姓名鑑定"));
    QCOMPARE(firstItem, QStringLiteral("山田 花子さんの本性（隠れた性格）"));
    QVERIFY(sink_->messages.empty());
  }

  void filtersAndColumnWidthsAreRememberedInTheDataFolder() {
    window_->SexCombo()->setCurrentIndex(1);
    window_->ReadingEdit()->setText(QStringLiteral("はる"));
    window_->Results()->setColumnWidth(CNameTableModel::Writing, 123);
    window_.reset();
    MakeWindow();
    QCOMPARE(window_->SexCombo()->currentIndex(), 1);
    QCOMPARE(window_->ReadingEdit()->text(), QStringLiteral("はる"));
    QCOMPARE(window_->Results()->columnWidth(CNameTableModel::Writing), 123);
    QVERIFY(Rows() > 0);
    QVERIFY(Cell(0, CNameTableModel::Reading).startsWith(QStringLiteral("はる")));
  }

  void aNewSurnameIsComparedSideBySide() {
    window_->SurnameEdit()->setText(QStringLiteral("鈴木"));
    QTest::mouseClick(window_->SurnameChangeButton(), Qt::LeftButton);
    auto* dialog = window_->findChild<CSurnameChangeDialog*>();
    QVERIFY(dialog != nullptr);
    QTableWidget* table = dialog->Table();
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("山田 太郎"));
    QCOMPARE(table->horizontalHeaderItem(2)->text(), QStringLiteral("鈴木 太郎"));
    // 本性: 山田 太郎 3+5+4+9 = 21; 鈴木 太郎 13+4+4+9 = 30. 地格 (row 4) stays 13.
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("21"));
    QCOMPARE(table->item(0, 2)->text(), QStringLiteral("30"));
    QCOMPARE(table->item(4, 1)->text(), table->item(4, 2)->text());
    QCOMPARE(table->item(9, 0)->text(), QStringLiteral("本性（隠れた性格）"));
    QVERIFY(!table->item(9, 2)->text().isEmpty());
    QCOMPARE(table->rowCount(), 9 + 7 + 1);
    QCOMPARE(table->item(16, 0)->text(), QStringLiteral("鈴木 一郎さんとの相性"));
    QVERIFY(table->item(16, 2)->text().endsWith(QLatin1Char('%')));
    dialog->SurnameEdit()->setText(QStringLiteral("山ゃ"));
    QCOMPARE(table->item(0, 2)->text(), QStringLiteral("画数を数えられません"));
  }

  void aPlatePersonIsComparedUnderTheirOwnNameAndSex() {
    QScopedPointer<CSurnameChangeDialog> dialog(
        OpenSurnameChange(*face_, *host_, *engine_, face_->Entry(1).id, Sjis("山田"), nullptr));
    QVERIFY(dialog);
    QCOMPARE(dialog->Table()->horizontalHeaderItem(1)->text(), QStringLiteral("鈴木 一郎"));
    QCOMPARE(dialog->Table()->horizontalHeaderItem(2)->text(), QStringLiteral("山田 一郎"));
    core::CFace unnamed;
    unnamed.CreateSelf();
    QVERIFY(OpenSurnameChange(unnamed, *host_, *engine_, 0, std::string(), nullptr) == nullptr);
  }

  // The header's arrow is the order of the rows: a click turns it around, and a column
  // that cannot order the list leaves arrow and rows alone.
  void theHeaderSortsInTheDirectionItShows() {
    window_->Persons()->item(0)->setCheckState(Qt::Checked);
    Commit(window_->ReadingEdit(), QStringLiteral("はな"));
    QVERIFY(Rows() > 20);
    QHeaderView* header = window_->Results()->horizontalHeader();
    auto key = [this](int row, int column) {
      int total = 0;
      for (const QString& part : Cell(row, column).remove(QLatin1Char('%')).split(QStringLiteral("・")))
        total += part.toInt();
      return total;
    };
    auto clickHeader = [header](int column) {
      const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
      QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
    };
    const int columns[] = {CNameTableModel::Minimum, CNameTableModel::Minimum, CNameTableModel::Strokes,
                           CNameTableModel::Strokes, CNameTableModel::Average};
    for (int column : columns) {
      clickHeader(column);
      QCOMPARE(header->sortIndicatorSection(), column);
      const bool up = header->sortIndicatorOrder() == Qt::AscendingOrder;
      bool turned = false;
      for (int row = 1; row < Rows(); ++row) {
        const int previous = key(row - 1, column), here = key(row, column);
        QVERIFY2(up ? previous <= here : previous >= here, qPrintable(QString::number(column)));
        turned = turned || previous != here;
      }
      QVERIFY(turned);
    }
    const QString first = Cell(0, CNameTableModel::Writing);
    const Qt::SortOrder shown = header->sortIndicatorOrder();
    clickHeader(CNameTableModel::Writing);
    QCOMPARE(header->sortIndicatorSection(), int(CNameTableModel::Average));
    QCOMPARE(header->sortIndicatorOrder(), shown);
    QCOMPARE(Cell(0, CNameTableModel::Writing), first);
  }
};

QTEST_MAIN(NameFinderWindowTest)
#include "name_finder_window_test.moc"
