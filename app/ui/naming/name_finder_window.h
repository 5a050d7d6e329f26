// "名前さがし": given names for a surname from the name dictionary, filtered as the user
// types and ranked by the active reading against the people ticked among those on the
// board. A double click opens the name's own reading; "登録" puts it into the member list
// open on the member-list bar, from which it is one drag to the board.
#pragma once

#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "naming/name_favourites.h"
#include "naming/name_query.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableView;

namespace nuvaro::core {
class CFace;
class EngineBinding;
class PluginHost;
}  // namespace nuvaro::core

namespace nuvaro::naming {
class GivenNameCatalog;
}

namespace nuvaro::ui {

class CNameTableModel;

class CNameFinderWindow : public QWidget {
  Q_OBJECT

 public:
  // What the window does with a chosen name (full name in CP932, "姓 名"), replaceable so
  // that tests never wait for a dialog: register it (true when it was added), and open
  // its own reading.
  using NameAction = std::function<bool(const std::string& fullName, bool isMale)>;

  CNameFinderWindow(core::CFace& face, core::PluginHost& host, const core::EngineBinding& engine, NameAction registerName,
                    NameAction openReading, QWidget* parent = nullptr);
  ~CNameFinderWindow() override;

  QLineEdit* SurnameEdit() const { return surname_; }
  QLineEdit* ReadingEdit() const { return reading_; }
  QComboBox* SexCombo() const { return sex_; }
  QTableView* Results() const { return table_; }
  QPushButton* RegisterButton() const { return register_; }
  QPushButton* FavouriteButton() const { return favourite_; }
  QPushButton* SurnameChangeButton() const { return surnameChange_; }
  QListWidget* Persons() const { return persons_; }
  CNameTableModel* Model() const { return model_; }
  QLabel* Status() const { return status_; }

  // Searches and ranks again from the filters (called on every change).
  void Refresh();
  // Fills the list of people from the board (the user ticked) and takes the user's
  // surname when none is typed yet.
  void TakeBoard();
  // The actions on the current row.
  void RegisterCurrent();
  void OpenCurrent();
  void ToggleFavourite();
  // "姓が変わるとき": the user's name under the surname typed here (non-modal).
  void OpenSurnameChange();

 private:
  void BuildFilters();
  // The filters and column widths remembered in the data folder (saved on destruction).
  void ApplySettings();
  void RestoreColumnWidths();
  naming::NameQuery QueryFromFilters(bool& readingOk) const;
  bool CurrentName(std::string& fullName, bool& isMale) const;

  core::CFace& face_;
  core::PluginHost& host_;
  const core::EngineBinding& engine_;
  NameAction registerName_;
  NameAction openReading_;
  naming::NameFavourites favourites_;
  const naming::GivenNameCatalog& catalog_;
  CNameTableModel* model_ = nullptr;

  QLineEdit* surname_ = nullptr;
  QComboBox* sex_ = nullptr;
  QLineEdit* reading_ = nullptr;
  QComboBox* readingMatch_ = nullptr;
  QComboBox* length_ = nullptr;
  QLineEdit* contains_ = nullptr;
  QLineEdit* notContains_ = nullptr;
  QComboBox* script_ = nullptr;
  QSpinBox* minStrokes_ = nullptr;
  QSpinBox* maxStrokes_ = nullptr;
  QCheckBox* favouritesOnly_ = nullptr;
  QListWidget* persons_ = nullptr;
  QTableView* table_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* register_ = nullptr;
  QPushButton* favourite_ = nullptr;
  QPushButton* surnameChange_ = nullptr;
  bool applyingSettings_ = false;
  std::vector<int> columnWidths_;
  bool restoringWidths_ = false;
  // The column and direction the list is ordered by (the header's arrow).
  int sortColumn_ = 2;  // CNameTableModel::Reading
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

// Opens the board person's own reading (the SelfReading contents dialog) for a full name
// that is not on the board: a board of its own with that name as the user.
bool OpenOwnReading(const std::string& fullName, bool isMale, core::PluginHost& host,
                    const core::EngineBinding& engine, QWidget* parent);

}  // namespace nuvaro::ui
