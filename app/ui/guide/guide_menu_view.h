// CGuideMenuView: the opening screen. One link per plug-in reading, under the headings
// of their groups, built from the plug-ins' own texts, and the fixed link that starts
// the problem-solving navigator. Choosing a reading makes it the active one; the frame
// then switches to the board.
#pragma once

#include <QString>
#include <QWidget>

#include <vector>

#include "core/guide_menu_model.h"
#include "ui/guide/guide_form_layout.h"

class QLabel;

namespace nuvaro::core {
class CFace;
class CompanionLauncher;
class PluginHost;
struct FontSettings;
}  // namespace nuvaro::core

namespace nuvaro::ui {

class CLinkLabel;

// Command number of the fixed entry.
inline constexpr int kGuideNavigatorCommand = core::kNavigatorCommand;

class CGuideMenuView : public QWidget {
  Q_OBJECT

 public:
  // Builds the menu at once.
  CGuideMenuView(core::PluginHost& host, core::CFace& face, core::CompanionLauncher& companions,
                 const core::FontSettings& fonts, QWidget* parent = nullptr);

  // (Re)builds the menu: clears the entries, gives the plug-ins event ids from 1 and
  // lays the headings and entries out.
  void BuildMenu();

  // One heading (picture null) or one entry with its picture, in creation order.
  struct EntryPair {
    CLinkLabel* label = nullptr;
    QLabel* picture = nullptr;
  };
  const std::vector<EntryPair>& Entries() const { return entries_; }
  const std::vector<core::GuideMenuItem>& Items() const { return items_; }
  CLinkLabel* FixedEntry() const { return fixedEntry_; }
  // The form all rows are placed on (positions are relative to it).
  QWidget* Form() const { return form_; }
  // The guide font's face name as read from the settings.
  QString GuideFontName() const { return guideFontName_; }

  // A command of the view: 1000 starts the navigator, a plug-in's event id activates
  // that reading. False for any other number (left to the frame).
  bool OnCommand(int command);

 signals:
  // A reading became the active one: the frame shows the board for it.
  void readingActivated(const nuvaro::core::ReadingActivation& activation);

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  CLinkLabel* MakeLabel(const QString& text, int pixelHeight);
  // Lets the keyboard reach a link: Tab and the arrow keys move between the links, Enter
  // and Space choose one; the focused link shows its hover colour.
  void MakeKeyboardLink(CLinkLabel* link, const QColor& textColour);
  std::vector<CLinkLabel*> Links() const;
  void ClearEntries();
  void CentreForm();

  core::PluginHost& host_;
  core::CFace& face_;
  core::CompanionLauncher& companions_;
  QString guideFontName_;
  GuideFormGeometry geometry_;
  QWidget* form_;
  std::vector<core::GuideMenuItem> items_;
  std::vector<EntryPair> entries_;
  CLinkLabel* fixedEntry_ = nullptr;
};

}  // namespace nuvaro::ui
