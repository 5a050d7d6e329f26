#include "members/entry_toolbar.h"

#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/core_texts.h"
#include "core/member_form_check.h"
#include "naming/registration_note.h"
#include "core/member_groups.h"
#include "members/member_bar_texts.h"
#include "members/member_dialog.h"
#include "members/member_list_page.h"
#include "platform/qt/text_conversion.h"

namespace nuvaro::ui {
namespace {

QString Ui(std::string_view cp932) { return platform::QStringFromCp932(cp932); }

constexpr int kButtonCount = 6;

}  // namespace

CEntryToolbar::CEntryToolbar(core::MemberListSet& lists, QWidget* parent, const core::EngineBinding* engine)
    : QWidget(parent, Qt::Tool), lists_(lists), chooseOpen_(ChooseImportFile), chooseSave_(ChooseExportFile) {
  runDialog_ = [engine](QWidget* dialogParent, std::string_view caption, core::MemberForm& form) {
    return RunMemberDialog(dialogParent, caption, form,
                           [engine](const core::MemberForm& typed) {
                             if (!core::ConfirmMemberForm(typed, engine)) return false;
                             naming::NoteUnregistrableGivenName(typed.givenName);  // a note, never a refusal
                             return true;
                           });
  };
  setWindowTitle(Ui(member_texts::kBarTitle));
  lists_.ReloadAll();

  tabs_ = new QTabWidget(this);
  const auto& groups = core::MemberGroups();
  for (int index = 0; index < lists_.PageCount(); ++index) {
    auto* page = new CMemberListPage(lists_.Page(index), tabs_);
    std::string_view label = static_cast<std::size_t>(index) < groups.size() ? groups[static_cast<std::size_t>(index)].tabLabel
                                                                             : std::string_view();
    tabs_->addTab(page, Ui(label));
    if (static_cast<std::size_t>(index) < groups.size())
      tabs_->setTabToolTip(index, Ui(groups[static_cast<std::size_t>(index)].groupLabel));
  }

  struct ButtonText {
    std::string_view caption;
    std::string_view tip;
  };
  const ButtonText captions[kButtonCount] = {
      {member_texts::kRegisterButton, member_texts::kRegisterTip}, {member_texts::kCorrectButton, member_texts::kCorrectTip},
      {member_texts::kDeleteButton, member_texts::kDeleteTip},     {member_texts::kCloseButton, member_texts::kCloseTip},
      {member_texts::kImportButton, member_texts::kImportTip},     {member_texts::kExportButton, member_texts::kExportTip},
  };
  for (int i = 0; i < kButtonCount; ++i) {
    buttons_[i] = new QPushButton(Ui(captions[i].caption), this);
    buttons_[i]->setToolTip(Ui(captions[i].tip));
    buttons_[i]->setAutoDefault(false);
  }
  connect(buttons_[0], &QPushButton::clicked, this, &CEntryToolbar::Register);
  connect(buttons_[1], &QPushButton::clicked, this, &CEntryToolbar::Correct);
  connect(buttons_[2], &QPushButton::clicked, this, &CEntryToolbar::Delete);
  connect(buttons_[3], &QPushButton::clicked, this, &CEntryToolbar::Close);
  connect(buttons_[4], &QPushButton::clicked, this, &CEntryToolbar::Import);
  connect(buttons_[5], &QPushButton::clicked, this, &CEntryToolbar::Export);

  auto* buttonGrid = new QGridLayout;
  buttonGrid->setSpacing(4);
  buttonGrid->addWidget(buttons_[0], 0, 0);
  buttonGrid->addWidget(buttons_[1], 0, 1);
  buttonGrid->addWidget(buttons_[2], 0, 2);
  buttonGrid->addWidget(buttons_[4], 1, 0);
  buttonGrid->addWidget(buttons_[5], 1, 1);
  buttonGrid->addWidget(buttons_[3], 1, 2);
  finderButton_ = new QPushButton(Ui(member_texts::kFinderButton), this);
  finderButton_->setToolTip(Ui(member_texts::kFinderTip));
  finderButton_->setAutoDefault(false);
  connect(finderButton_, &QPushButton::clicked, this, &CEntryToolbar::finderRequested);
  buttonGrid->addWidget(finderButton_, 2, 0, 1, 3);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(tabs_, 1);
  layout->addLayout(buttonGrid);
  resize(250, 360);
}

int CEntryToolbar::PageCount() const { return tabs_->count(); }

CMemberListPage* CEntryToolbar::Page(int index) const { return qobject_cast<CMemberListPage*>(tabs_->widget(index)); }

int CEntryToolbar::CurrentPageIndex() const { return tabs_->currentIndex(); }

void CEntryToolbar::SetCurrentPageIndex(int index) { tabs_->setCurrentIndex(index); }

QPushButton* CEntryToolbar::ButtonOf(Button button) const { return buttons_[static_cast<int>(button)]; }

CMemberListPage* CEntryToolbar::CurrentPage() const { return Page(CurrentPageIndex()); }

void CEntryToolbar::Register() {
  CMemberListPage* page = CurrentPage();
  if (page == nullptr) return;
  const std::vector<int> selected = page->SelectedRows();
  const int firstSelected = selected.empty() ? -1 : selected.front();
  if (page->List().RefusedWhileHeld()) return;
  core::MemberForm form = core::MemberList::NewMemberForm();
  if (!runDialog_(this, core::texts::kRegisterCaption, form)) return;
  if (page->List().Register(firstSelected, form)) page->Refresh();
}

void CEntryToolbar::Correct() {
  CMemberListPage* page = CurrentPage();
  if (page == nullptr) return;
  auto request = page->List().BeginCorrection(page->SelectedRows());
  if (!request) return;
  if (!runDialog_(this, core::texts::kCorrectCaption, request->form)) return;
  const int row = request->row;
  if (page->List().Correct(*request)) {
    page->Refresh();
    page->SelectRows({row});
  }
}

void CEntryToolbar::Delete() {
  CMemberListPage* page = CurrentPage();
  if (page == nullptr) return;
  if (page->List().DeleteSelected(page->SelectedRows())) page->Refresh();
}

void CEntryToolbar::Import() {
  const QString path = chooseOpen_(this);
  if (path.isEmpty()) return;
  lists_.Import(FileSystemPath(path));
  // The model reloads every page, also after a failure: show what the files hold.
  RefreshAll();
}

void CEntryToolbar::Export() {
  const ExportChoice choice = chooseSave_(this);
  if (choice.path.isEmpty()) return;
  lists_.Export(FileSystemPath(choice.path), choice.utf8 ? core::ExportEncoding::Utf8 : core::ExportEncoding::Cp932);
}

void CEntryToolbar::Close() {
  hide();
  emit closed();
}

void CEntryToolbar::RefreshAll() {
  for (int index = 0; index < PageCount(); ++index) {
    if (CMemberListPage* page = Page(index)) page->Refresh();
  }
}

QString ChooseImportFile(QWidget* parent) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilter(Ui(member_texts::kImportFilter));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

CEntryToolbar::ExportChoice ChooseExportFile(QWidget* parent) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(Ui(member_texts::kExportFilter));
  dialog.setDefaultSuffix(Ui(member_texts::kExportDefaultSuffix));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  // The UTF-8 choice saves a ".csv" for other programs.
  const QString utf8Filter = Ui(member_texts::kExportUtf8Filter);
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, utf8Filter](const QString& filter) {
    dialog.setDefaultSuffix(filter == utf8Filter ? Ui(member_texts::kExportUtf8Suffix)
                                                 : Ui(member_texts::kExportDefaultSuffix));
  });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return {dialog.selectedFiles().front(), dialog.selectedNameFilter() == utf8Filter};
}

std::string FileSystemPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace nuvaro::ui
