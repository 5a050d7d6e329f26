// The member-list bar: five tab pages "ﾘｽﾄ1" ... "ﾘｽﾄ5", one per member list, with the
// buttons that register, correct and delete members, import a file into the five lists,
// export them into one file, and close the bar. It floats beside the main frame; every
// change goes through the member-list model, which writes the list file at once.
#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <string_view>

#include "core/member_list.h"
#include "core/member_list_set.h"

class QPushButton;
class QTabWidget;

namespace nuvaro::core {
class EngineBinding;
}

namespace nuvaro::ui {

class CMemberListPage;

class CEntryToolbar : public QWidget {
  Q_OBJECT

 public:
  // The dialogs the bar opens, replaceable so that tests never wait for a click.
  // Registration dialog: shows the form with the caption; true on OK with the form
  // filled in (CP932).
  using MemberDialogRunner = std::function<bool(QWidget* parent, std::string_view captionCp932, core::MemberForm& form)>;
  // File dialogs: the chosen path, or an empty text on cancel.
  using FileChooser = std::function<QString(QWidget* parent)>;
  // The save dialog: the chosen path (empty on cancel) and whether "CSV UTF-8" was chosen.
  struct ExportChoice {
    ExportChoice(QString chosenPath = {}, bool asUtf8 = false) : path(std::move(chosenPath)), utf8(asUtf8) {}
    QString path;
    bool utf8;
  };
  using SaveChooser = std::function<ExportChoice(QWidget* parent)>;

  enum class Button { Register, Correct, Delete, Close, Import, Export };

  // Loads every page from its list file. The bar is a floating tool window of the
  // parent (the main frame shows, hides and places it). With an engine, the dialog asks
  // before registering a name whose strokes cannot all be counted.
  CEntryToolbar(core::MemberListSet& lists, QWidget* parent = nullptr, const core::EngineBinding* engine = nullptr);

  int PageCount() const;
  CMemberListPage* Page(int index) const;
  int CurrentPageIndex() const;
  void SetCurrentPageIndex(int index);
  QTabWidget* Tabs() const { return tabs_; }
  QPushButton* ButtonOf(Button button) const;
  // "名前さがし": asks for the name finder (the program connects finderRequested).
  QPushButton* FinderButton() const { return finderButton_; }

  void SetMemberDialogRunner(MemberDialogRunner runner) { runDialog_ = std::move(runner); }
  void SetOpenFileChooser(FileChooser chooser) { chooseOpen_ = std::move(chooser); }
  void SetSaveFileChooser(SaveChooser chooser) { chooseSave_ = std::move(chooser); }

  // The button actions, on the current page.
  void Register();
  void Correct();
  void Delete();
  void Import();
  void Export();
  // "閉じる": hides the bar.
  void Close();

  // Shows every page's rows again from the model.
  void RefreshAll();

 signals:
  // The bar was closed with its own button.
  void closed();
  // "名前さがし" was pressed.
  void finderRequested();

 private:
  CMemberListPage* CurrentPage() const;

  core::MemberListSet& lists_;
  QTabWidget* tabs_ = nullptr;
  QPushButton* buttons_[6] = {};
  QPushButton* finderButton_ = nullptr;
  MemberDialogRunner runDialog_;
  FileChooser chooseOpen_;
  SaveChooser chooseSave_;
};

// The two file dialogs of the bar as the program shows them.
QString ChooseImportFile(QWidget* parent);
CEntryToolbar::ExportChoice ChooseExportFile(QWidget* parent);

// A path chosen in a file dialog as the model takes it (the file system's bytes).
std::string FileSystemPath(const QString& path);

}  // namespace nuvaro::ui
