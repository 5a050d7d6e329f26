#include "members/member_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/member_groups.h"
#include "core/unstorable_characters.h"
#include "members/member_bar_texts.h"
#include "platform/core/message_sink.h"
#include "platform/qt/text_conversion.h"
#include "core/core_texts.h"

namespace nuvaro::ui {
namespace {

QString Ui(std::string_view cp932) { return platform::QStringFromCp932(cp932); }

// A line edit for a name part: the input method stays on, so kanji can be typed.
QLineEdit* NameEdit(QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setAttribute(Qt::WA_InputMethodEnabled, true);
  edit->setInputMethodHints(Qt::ImhNone);
  return edit;
}

}  // namespace

CMemberDialog::CMemberDialog(std::string_view captionCp932, QWidget* parent) : QDialog(parent) {
  setWindowTitle(Ui(captionCp932));
  setModal(true);

  surname_ = NameEdit(this);
  givenName_ = NameEdit(this);

  male_ = new QRadioButton(Ui(member_texts::kMaleChoice), this);
  female_ = new QRadioButton(Ui(member_texts::kFemaleChoice), this);
  auto* sexGroup = new QButtonGroup(this);
  sexGroup->addButton(male_, 0);
  sexGroup->addButton(female_, 1);
  male_->setChecked(true);
  auto* sexRow = new QHBoxLayout;
  sexRow->addWidget(male_);
  sexRow->addWidget(female_);
  sexRow->addStretch();

  ageBand_ = new QComboBox(this);
  ageBand_->setEditable(true);
  ageBand_->setInsertPolicy(QComboBox::NoInsert);
  for (std::string_view band : core::kAgeBandChoices) ageBand_->addItem(Ui(band));
  ageBand_->setEditText(QString());

  auto* fields = new QFormLayout;
  fields->addRow(Ui(member_texts::kSurnameLabel), surname_);
  fields->addRow(Ui(member_texts::kGivenNameLabel), givenName_);
  fields->addRow(Ui(member_texts::kSexLabel), sexRow);
  fields->addRow(Ui(member_texts::kAgeBandLabel), ageBand_);

  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons_->button(QDialogButtonBox::Ok)->setText(Ui(member_texts::kOkButton));
  buttons_->button(QDialogButtonBox::Cancel)->setText(Ui(member_texts::kCancelButton));
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(buttons_);
  surname_->setFocus();
}

void CMemberDialog::SetForm(const core::MemberForm& form) {
  surname_->setText(Ui(form.surname));
  givenName_->setText(Ui(form.givenName));
  (form.sexIndex == 0 ? male_ : female_)->setChecked(true);
  ageBand_->setEditText(Ui(form.ageBand));
}

std::optional<core::MemberForm> CMemberDialog::Form() const {
  auto surname = platform::QStringToCp932(surname_->text());
  auto givenName = platform::QStringToCp932(givenName_->text());
  auto ageBand = platform::QStringToCp932(ageBand_->currentText());
  if (!surname || !givenName || !ageBand) return std::nullopt;
  core::MemberForm form;
  form.surname = *surname;
  form.givenName = *givenName;
  form.sexIndex = male_->isChecked() ? 0 : 1;
  form.ageBand = *ageBand;
  return form;
}

void CMemberDialog::accept() {
  auto typed = Form();
  if (!typed) {
    // Name the character the list cannot hold, so the user knows which one to retype.
    std::string character;
    for (const QString& field : {surname_->text(), givenName_->text(), ageBand_->currentText()}) {
      character = core::FirstUnstorableCharacter(field.toStdString());
      if (!character.empty()) break;
    }
    if (character.empty()) {
      platform::ShowMessageBox(this, member_texts::kNotStorable, core::texts::kApplicationTitle);
    } else {
      platform::ShowMessageBoxUtf8(this, core::UnstorableInFormMessage(character), core::texts::kApplicationTitle);
    }
    return;
  }
  if (acceptCheck_ && !acceptCheck_(*typed)) return;
  QDialog::accept();
}

bool RunMemberDialog(QWidget* parent, std::string_view captionCp932, core::MemberForm& form,
                     CMemberDialog::AcceptCheck check) {
  CMemberDialog dialog(captionCp932, parent);
  dialog.SetForm(form);
  dialog.SetAcceptCheck(std::move(check));
  if (dialog.exec() != QDialog::Accepted) return false;
  form = *dialog.Form();
  return true;
}

}  // namespace nuvaro::ui
