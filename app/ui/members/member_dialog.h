// The registration dialog of the member lists: surname and given name (typed with the
// input method on), 男性 or 女性, and an editable list of age bands. The caption tells
// whether a member is registered ("新規登録") or corrected ("登録修正").
#pragma once

#include <QDialog>

#include <functional>
#include <optional>

#include "core/member_list.h"

class QComboBox;
class QDialogButtonBox;
class QLineEdit;
class QRadioButton;

namespace nuvaro::ui {

class CMemberDialog : public QDialog {
  Q_OBJECT

 public:
  // captionCp932: "新規登録" or "登録修正".
  CMemberDialog(std::string_view captionCp932, QWidget* parent = nullptr);

  // Fills the fields from CP932 texts.
  void SetForm(const core::MemberForm& form);
  // The fields as CP932 texts; nothing when one holds a character CP932 cannot hold.
  std::optional<core::MemberForm> Form() const;

  // Asked on OK with the typed form; false keeps the dialog open with what was typed.
  using AcceptCheck = std::function<bool(const core::MemberForm& form)>;
  void SetAcceptCheck(AcceptCheck check) { acceptCheck_ = std::move(check); }

  // OK: a field CP932 cannot hold is told to the user, and the dialog closes only when
  // the form passes the check.
  void accept() override;

  QLineEdit* SurnameEdit() const { return surname_; }
  QLineEdit* GivenNameEdit() const { return givenName_; }
  QRadioButton* MaleButton() const { return male_; }
  QRadioButton* FemaleButton() const { return female_; }
  QComboBox* AgeBandCombo() const { return ageBand_; }
  QDialogButtonBox* Buttons() const { return buttons_; }

 private:
  QLineEdit* surname_;
  QLineEdit* givenName_;
  QRadioButton* male_;
  QRadioButton* female_;
  QComboBox* ageBand_;
  QDialogButtonBox* buttons_;
  AcceptCheck acceptCheck_;
};

// Shows the dialog modally with the form's contents. On OK (once the form passes the
// check) the form holds the fields and the answer is true; a cancel leaves it alone.
bool RunMemberDialog(QWidget* parent, std::string_view captionCp932, core::MemberForm& form,
                     CMemberDialog::AcceptCheck check = {});

}  // namespace nuvaro::ui
