#include "ui/naming/name_finder_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include "core/core_texts.h"
#include "core/cp932_text.h"
#include "core/engine_binding.h"
#include "core/face.h"
#include "core/member.h"
#include "core/name_readability.h"
#include "core/pair_reading.h"
#include "core/plugin_host.h"
#include "naming/finder_settings.h"
#include "naming/given_name_catalog.h"
#include "naming/name_finder_texts.h"
#include "naming/name_ranking.h"
#include "platform/core/message_sink.h"
#include "platform/qt/text_conversion.h"
#include "ui/detail/detail_dialogs.h"
#include "ui/naming/name_table_model.h"
#include "ui/naming/surname_change_dialog.h"

namespace nuvaro::ui {
namespace {

QString Text(std::string_view cp932) { return platform::QStringFromCp932(cp932); }

// A line edit for Japanese text: the input method is switched on when it gets focus.
QLineEdit* JapaneseEdit(QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setAttribute(Qt::WA_InputMethodEnabled, true);
  edit->setInputMethodHints(Qt::ImhNone);
  return edit;
}

QComboBox* Combo(std::initializer_list<std::string_view> items, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  for (std::string_view item : items) combo->addItem(Text(item));
  return combo;
}

}  // namespace

CNameFinderWindow::CNameFinderWindow(core::CFace& face, core::PluginHost& host, const core::EngineBinding& engine,
                                     NameAction registerName, NameAction openReading, QWidget* parent)
    : QWidget(parent, Qt::Window),
      face_(face),
      host_(host),
      engine_(engine),
      registerName_(std::move(registerName)),
      openReading_(std::move(openReading)),
      catalog_(naming::GivenNameCatalog::Builtin(engine)) {
  setWindowTitle(Text(finder_texts::kWindowTitle));
  favourites_.Load();
  model_ = new CNameTableModel(catalog_, favourites_, engine_, this);
  BuildFilters();
  ApplySettings();
  TakeBoard();
  Refresh();
  resize(1060, 620);
}

CNameFinderWindow::~CNameFinderWindow() {
  naming::FinderSettings settings;
  bool readingOk = true;
  settings.query = QueryFromFilters(readingOk);
  settings.readingText = platform::QStringToCp932(reading_->text()).value_or("");
  settings.columnWidths = columnWidths_;
  naming::SaveFinderSettings(settings);  // not tested: a failure only loses the remembered filters
}

void CNameFinderWindow::ApplySettings() {
  applyingSettings_ = true;
  const naming::FinderSettings settings = naming::LoadFinderSettings(CNameTableModel::ColumnCount);
  const naming::NameQuery& query = settings.query;
  sex_->setCurrentIndex(static_cast<int>(query.sex));
  reading_->setText(Text(settings.readingText));
  readingMatch_->setCurrentIndex(static_cast<int>(query.readingMatch));
  length_->setCurrentIndex(query.length);
  contains_->setText(Text(query.mustContain));
  notContains_->setText(Text(query.mustNotContain));
  script_->setCurrentIndex(static_cast<int>(query.script));
  minStrokes_->setValue(query.minStrokes);
  maxStrokes_->setValue(query.maxStrokes);
  for (int column = 0; column < CNameTableModel::ColumnCount; ++column) {
    const int width = settings.columnWidths[static_cast<std::size_t>(column)];
    if (width > 0) columnWidths_[static_cast<std::size_t>(column)] = width;
  }
  RestoreColumnWidths();
  applyingSettings_ = false;
}

void CNameFinderWindow::RestoreColumnWidths() {
  restoringWidths_ = true;
  for (int column = 0; column < CNameTableModel::ColumnCount; ++column) {
    const int width = columnWidths_[static_cast<std::size_t>(column)];
    if (width > 0) table_->setColumnWidth(column, width);
  }
  restoringWidths_ = false;
}

void CNameFinderWindow::BuildFilters() {
  surname_ = JapaneseEdit(this);
  sex_ = Combo({finder_texts::kSexAny, finder_texts::kSexMale, finder_texts::kSexFemale}, this);
  reading_ = JapaneseEdit(this);
  readingMatch_ = Combo({finder_texts::kReadingStarts, finder_texts::kReadingIs, finder_texts::kReadingContains}, this);
  length_ = Combo({finder_texts::kLengthAny, finder_texts::kLengthOne, finder_texts::kLengthTwo,
                   finder_texts::kLengthThree}, this);
  contains_ = JapaneseEdit(this);
  notContains_ = JapaneseEdit(this);
  script_ = Combo({finder_texts::kScriptAny, finder_texts::kScriptKanji, finder_texts::kScriptKana}, this);
  minStrokes_ = new QSpinBox(this);
  maxStrokes_ = new QSpinBox(this);
  for (QSpinBox* spin : {minStrokes_, maxStrokes_}) {
    spin->setRange(0, 90);
    spin->setSpecialValueText(Text(finder_texts::kLengthAny));
  }
  favouritesOnly_ = new QCheckBox(Text(finder_texts::kFavouritesOnly), this);
  persons_ = new QListWidget(this);
  persons_->setMaximumHeight(110);

  auto* form = new QFormLayout;
  form->addRow(Text(finder_texts::kSurnameLabel), surname_);
  form->addRow(Text(finder_texts::kSexLabel), sex_);
  auto* readingRow = new QHBoxLayout;
  readingRow->addWidget(reading_, 1);
  readingRow->addWidget(readingMatch_);
  form->addRow(Text(finder_texts::kReadingLabel), readingRow);
  form->addRow(Text(finder_texts::kLengthLabel), length_);
  form->addRow(Text(finder_texts::kContainsLabel), contains_);
  form->addRow(Text(finder_texts::kNotContainsLabel), notContains_);
  form->addRow(Text(finder_texts::kScriptLabel), script_);
  auto* strokesRow = new QHBoxLayout;
  strokesRow->addWidget(minStrokes_);
  strokesRow->addWidget(new QLabel(Text(finder_texts::kStrokesTo), this));
  strokesRow->addWidget(maxStrokes_);
  form->addRow(Text(finder_texts::kStrokesLabel), strokesRow);
  form->addRow(QString(), favouritesOnly_);
  form->addRow(Text(finder_texts::kPersonsLabel), persons_);

  table_ = new QTableView(this);
  table_->setModel(model_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSortingEnabled(true);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  // A model reset (every search) gives the header its default sizes again: the widths the
  // user chose are kept here and put back.
  columnWidths_ = {28, 76, 96, 44, 76, 200, 52, 52};  // in the order of CNameTableModel::Column
  connect(table_->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
    if (!restoringWidths_ && column >= 0 && column < CNameTableModel::ColumnCount) {
      columnWidths_[static_cast<std::size_t>(column)] = width;
    }
  });
  connect(model_, &QAbstractItemModel::modelReset, this, &CNameFinderWindow::RestoreColumnWidths);
  // Only the columns the model can order take the sort arrow; a click on another one puts
  // the arrow back where the order is.
  connect(table_->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, [this](int column, Qt::SortOrder order) {
    if (CNameTableModel::IsSortable(column)) {
      sortColumn_ = column;
      sortOrder_ = order;
      return;
    }
    const QSignalBlocker quiet(table_->horizontalHeader());
    table_->horizontalHeader()->setSortIndicator(sortColumn_, sortOrder_);
  });
  status_ = new QLabel(this);
  register_ = new QPushButton(Text(finder_texts::kRegisterButton), this);
  register_->setToolTip(Text(finder_texts::kRegisterTip));
  favourite_ = new QPushButton(Text(finder_texts::kFavouriteButton), this);
  favourite_->setToolTip(Text(finder_texts::kFavouriteTip));
  surnameChange_ = new QPushButton(Text(finder_texts::kSurnameChangeButton), this);
  surnameChange_->setToolTip(Text(finder_texts::kSurnameChangeTip));
  auto* close = new QPushButton(Text(finder_texts::kCloseButton), this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(status_, 1);
  buttons->addWidget(surnameChange_);
  buttons->addWidget(favourite_);
  buttons->addWidget(register_);
  buttons->addWidget(close);
  auto* right = new QVBoxLayout;
  right->addWidget(table_, 1);
  right->addLayout(buttons);
  auto* filters = new QWidget(this);
  filters->setLayout(form);
  filters->setMaximumWidth(330);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(filters);
  layout->addLayout(right, 1);

  for (QLineEdit* edit : {surname_, reading_, contains_, notContains_}) {
    connect(edit, &QLineEdit::textChanged, this, &CNameFinderWindow::Refresh);
  }
  for (QComboBox* combo : {sex_, readingMatch_, length_, script_}) {
    connect(combo, &QComboBox::currentIndexChanged, this, &CNameFinderWindow::Refresh);
  }
  for (QSpinBox* spin : {minStrokes_, maxStrokes_}) connect(spin, &QSpinBox::valueChanged, this, &CNameFinderWindow::Refresh);
  connect(favouritesOnly_, &QCheckBox::toggled, this, &CNameFinderWindow::Refresh);
  connect(persons_, &QListWidget::itemChanged, this, &CNameFinderWindow::Refresh);
  connect(table_, &QTableView::doubleClicked, this, &CNameFinderWindow::OpenCurrent);
  connect(register_, &QPushButton::clicked, this, &CNameFinderWindow::RegisterCurrent);
  connect(favourite_, &QPushButton::clicked, this, &CNameFinderWindow::ToggleFavourite);
  connect(surnameChange_, &QPushButton::clicked, this, &CNameFinderWindow::OpenSurnameChange);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void CNameFinderWindow::TakeBoard() {
  const QSignalBlocker blockPersons(persons_);
  persons_->clear();
  for (int i = 0; i <= face_.LastIndex(); ++i) {
    if (!face_.IsActive(i) || (i == 0 && face_.IsSelfUnnamed())) continue;
    auto* item = new QListWidgetItem(Text(face_.Name(i)), persons_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(i == 0 ? Qt::Checked : Qt::Unchecked);
    item->setData(Qt::UserRole, i);
  }
  if (surname_->text().isEmpty() && !face_.IsSelfUnnamed()) {
    const QSignalBlocker blockSurname(surname_);
    surname_->setText(Text(core::SplitFullName(face_.SelfName()).surname));
  }
}

naming::NameQuery CNameFinderWindow::QueryFromFilters(bool& readingOk) const {
  naming::NameQuery query;
  query.sex = static_cast<naming::SexFilter>(sex_->currentIndex());
  const std::optional<std::string> reading = naming::ReadingFromInput(reading_->text().toStdString());
  readingOk = reading.has_value();
  query.reading = reading.value_or("");
  query.readingMatch = static_cast<naming::ReadingMatch>(readingMatch_->currentIndex());
  query.length = length_->currentIndex();
  query.mustContain = platform::QStringToCp932(contains_->text()).value_or("");
  query.mustNotContain = platform::QStringToCp932(notContains_->text()).value_or("");
  query.script = static_cast<naming::ScriptFilter>(script_->currentIndex());
  query.minStrokes = minStrokes_->value();
  query.maxStrokes = maxStrokes_->value();
  return query;
}

void CNameFinderWindow::Refresh() {
  if (applyingSettings_) return;
  const std::string surname = platform::QStringToCp932(surname_->text().trimmed()).value_or("");
  const core::NameReadability readable = core::CheckNameParts(surname, "", engine_);
  bool readingOk = true;
  const naming::NameQuery query = QueryFromFilters(readingOk);
  std::string_view message;
  if (surname.empty()) {
    message = finder_texts::kSurnameMissing;
  } else if (readable.missingSurname || !readable.uncountable.empty()) {
    message = finder_texts::kSurnameUnreadable;
  } else if (!readingOk) {
    message = finder_texts::kReadingNotKana;
  }
  if (!message.empty()) {
    model_->SetRanking({}, surname);
    status_->setText(Text(message));
    return;
  }
  std::vector<std::uint32_t> names = naming::SearchNames(catalog_, query);
  if (favouritesOnly_->isChecked()) {
    std::erase_if(names, [&](std::uint32_t n) { return !favourites_.Contains(catalog_.Writing(n), catalog_.Reading(n)); });
  }
  std::vector<naming::RankPerson> persons;
  for (int row = 0; row < persons_->count(); ++row) {
    const QListWidgetItem* item = persons_->item(row);
    if (item->checkState() != Qt::Checked) continue;
    const int index = item->data(Qt::UserRole).toInt();
    persons.push_back({face_.Name(index), face_.IsMale(index) != 0});
  }
  // The board's own pair computation under the active reading, in the normal mode.
  naming::PairPercentageReader reader = [this](::NuvaroData& record) {
    const int savedMode = face_.mode;
    face_.mode = core::kModeNormal;
    core::CallSelectedPlugins(host_, face_, record);
    face_.mode = savedMode;
    return record.percentage;
  };
  const naming::NameOrder order = persons.empty() ? naming::NameOrder::Reading : naming::NameOrder::Minimum;
  model_->SetRanking(naming::RankNames(catalog_, std::move(names), surname, query.sex, persons, reader, engine_, order),
                     surname);
  const QSignalBlocker noSecondSort(table_->horizontalHeader());  // the ranking comes sorted
  sortColumn_ = persons.empty() ? CNameTableModel::Reading : CNameTableModel::Minimum;
  sortOrder_ = persons.empty() ? Qt::AscendingOrder : Qt::DescendingOrder;
  table_->horizontalHeader()->setSortIndicator(sortColumn_, sortOrder_);
  status_->setText(Text(core::FormatNumber(finder_texts::kCountFormat, model_->rowCount())));
  if (model_->rowCount() > 0) table_->selectRow(0);
}

bool CNameFinderWindow::CurrentName(std::string& fullName, bool& isMale) const {
  const QModelIndex current = table_->currentIndex();
  if (!current.isValid()) return false;
  const std::uint32_t name = model_->NameAt(current.row());
  fullName = core::JoinFullName(platform::QStringToCp932(surname_->text().trimmed()).value_or(""), catalog_.Writing(name));
  const naming::SexFilter searched = static_cast<naming::SexFilter>(sex_->currentIndex());
  isMale = searched == naming::SexFilter::Any ? catalog_.Sex(name) == naming::NameSex::Male
                                              : searched == naming::SexFilter::Male;
  return true;
}

void CNameFinderWindow::RegisterCurrent() {
  std::string fullName;
  bool isMale = false;
  if (CurrentName(fullName, isMale) && registerName_) registerName_(fullName, isMale);
}

void CNameFinderWindow::OpenCurrent() {
  std::string fullName;
  bool isMale = false;
  if (CurrentName(fullName, isMale) && openReading_) openReading_(fullName, isMale);
}

void CNameFinderWindow::ToggleFavourite() {
  const QModelIndex current = table_->currentIndex();
  if (!current.isValid()) return;
  const std::uint32_t name = model_->NameAt(current.row());
  if (!favourites_.Toggle(catalog_.Writing(name), catalog_.Reading(name))) {
    platform::ShowMessageBox(this, finder_texts::kFavouriteSaveFailed, core::texts::kApplicationTitle);
  }
  model_->FavouriteChanged(current.row());
}

void CNameFinderWindow::OpenSurnameChange() {
  if (face_.IsSelfUnnamed()) {
    platform::ShowMessageBox(this, finder_texts::kNoSelfName, core::texts::kApplicationTitle);
    return;
  }
  const std::string self = face_.SelfName();
  const std::string typed = platform::QStringToCp932(surname_->text().trimmed()).value_or("");
  const std::string newSurname = typed == core::SplitFullName(self).surname ? std::string() : typed;
  ui::OpenSurnameChange(face_, host_, engine_, 0, newSurname, this);
}

bool OpenOwnReading(const std::string& fullName, bool isMale, core::PluginHost& host,
                    const core::EngineBinding& engine, QWidget* parent) {
  core::CFace own;
  own.CreateSelf();
  own.SetSelf(core::MemberText({fullName, std::string(isMale ? core::texts::kMale : core::texts::kFemale), "20"}));
  own.mode = core::kModeSelf;
  RunDetailReading(own, host, engine, 0, parent);
  return true;
}

}  // namespace nuvaro::ui
