// "姓が変わるとき": one person's name under the present and a new surname, side by side
// (the nine sums, the seven items of the own reading, the percentage with each person on
// the board), compared again as the new surname is typed or picked from the board.
#pragma once

#include <QDialog>

#include <string>

class QComboBox;
class QLineEdit;
class QTableWidget;

namespace nuvaro::core {
class CFace;
class EngineBinding;
class PluginHost;
}  // namespace nuvaro::core

namespace nuvaro::ui {

class CSurnameChangeDialog : public QDialog {
  Q_OBJECT

 public:
  // fullName in CP932; the new surname starts as given (CP932, may be empty).
  CSurnameChangeDialog(std::string fullName, bool isMale, const std::string& newSurname, core::CFace& face,
                       core::PluginHost& host, const core::EngineBinding& engine, QWidget* parent = nullptr);

  QLineEdit* SurnameEdit() const { return surname_; }
  QTableWidget* Table() const { return table_; }
  // Compares again with the surname in the field.
  void Compare();

 private:
  std::string fullName_;
  bool isMale_;
  core::CFace& face_;
  core::PluginHost& host_;
  const core::EngineBinding& engine_;
  QLineEdit* surname_ = nullptr;
  QComboBox* boardSurnames_ = nullptr;
  QTableWidget* table_ = nullptr;
};

// Opens the comparison (non-modal, deleted on close) for the board person with this face
// id (0: the user), under their own sex; nullptr when that person has no name.
CSurnameChangeDialog* OpenSurnameChange(core::CFace& face, core::PluginHost& host, const core::EngineBinding& engine,
                                        int faceId, const std::string& newSurname, QWidget* parent);

}  // namespace nuvaro::ui
