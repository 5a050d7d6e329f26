// The calendar's name dialog: the current name, a read-only list of the user and the
// active faces of the board, and two fields for surname and given name that a choice
// from the list fills. OK takes the two fields as they are (empty parts allowed).
#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QLineEdit;

namespace nuvaro::core {
class CFace;
}

namespace nuvaro::ui {

// The list's entries (CP932): the user's name ("" while unnamed), then the names of the
// active faces with ids 1 to the number of faces minus one, empty names left out.
std::vector<std::string> CalendarNameChoices(const core::CFace& faces);

class CNameDialog : public QDialog {
  Q_OBJECT

 public:
  CNameDialog(const core::CFace& faces, const std::string& surname, const std::string& givenName,
              QWidget* parent = nullptr);

  // The two fields as CP932 after OK (parts that CP932 cannot hold stay as before).
  const std::string& Surname() const { return surname_; }
  const std::string& GivenName() const { return givenName_; }

  QLineEdit* CurrentNameField() const { return currentName_; }  // 1045
  QComboBox* NameList() const { return nameList_; }             // 1012
  QLineEdit* SurnameField() const { return surnameField_; }     // 1001
  QLineEdit* GivenNameField() const { return givenNameField_; } // 1004

 public slots:
  void accept() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FillFieldsFromChoice(int index);

  std::vector<std::string> choices_;
  std::string surname_;
  std::string givenName_;
  QLineEdit* currentName_;
  QComboBox* nameList_;
  QLineEdit* surnameField_;
  QLineEdit* givenNameField_;
};

}  // namespace nuvaro::ui
