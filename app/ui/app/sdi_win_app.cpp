#include "ui/app/sdi_win_app.h"
#include "ui/app/qt_translation.h"

#include <QApplication>

#include "board/nuvaro_scroll_view.h"
#include "members/entry_toolbar.h"
#include "ui/fonts/font_substitutions.h"
#include "ui/frame/frame_artwork.h"
#include "ui/frame/frame_commands.h"
#include "ui/frame/main_frame.h"
#include "ui/guide/guide_menu_view.h"
#include "ui/naming/name_finder_launcher.h"

namespace nuvaro::ui {

CSDIWinApp::CSDIWinApp() = default;

CSDIWinApp::~CSDIWinApp() { ExitInstance(); }

void CSDIWinApp::AddDocTemplate(CSDIDocTemplate docTemplate) { templates_.push_back(std::move(docTemplate)); }

void CSDIWinApp::RegisterTemplates() {
  templates_.clear();
  AddDocTemplate({kGuideMenuTemplate, QStringLiteral("CGuideMenuView"), [this](QWidget* parent) -> QWidget* {
                    return new CGuideMenuView(core_.Plugins(), core_.Document().Face(), core_.Companions(),
                                              core_.Fonts(), parent);
                  }});
  AddDocTemplate({kBoardTemplate, QStringLiteral("CNuvaroScrollView"), [this](QWidget* parent) -> QWidget* {
                    return new CNuvaroScrollView(core_.Document(), core_.Plugins(), core_.Engine(), parent);
                  }});
}

bool CSDIWinApp::CreateMainFrame() {
  auto makeEntryBar = [this](QWidget* frame) -> QWidget* {
    auto* bar = new CEntryToolbar(core_.MemberLists(), frame, &core_.Engine());
    ConnectNameFinder(*bar, core_, frame);
    return bar;
  };
  frame_ = std::make_unique<CMainFrame>(core_, templates_, makeEntryBar);
  return true;
}

bool CSDIWinApp::InitInstance() {
  core::StartupSteps steps;
  steps.prepareFramework = [this] {
    stepsRun_.push_back(QStringLiteral("prepareFramework"));
    InstallFontSubstitutions();
    InstallQtJapaneseTranslation();
    QApplication::setWindowIcon(ApplicationIcon());
  };
  // Qt's drag and drop and clipboard need no set-up of their own.
  steps.initializeDataExchange = [this] { stepsRun_.push_back(QStringLiteral("initializeDataExchange")); };
  steps.loadProfileSettings = [this] {
    stepsRun_.push_back(QStringLiteral("loadProfileSettings"));
    // Per-user settings live under "Nuvaro"; the program keeps no recent-file list.
    QApplication::setOrganizationName(QStringLiteral("Nuvaro"));
  };
  steps.registerTemplates = [this] {
    stepsRun_.push_back(QStringLiteral("registerTemplates"));
    RegisterTemplates();
  };
  steps.processCommandLine = [this] {
    stepsRun_.push_back(QStringLiteral("processCommandLine"));
    return CreateMainFrame();
  };
  steps.showMainWindow = [this] {
    stepsRun_.push_back(QStringLiteral("showMainWindow"));
    frame_->showNormal();
    frame_->update();
  };
  return core_.InitInstance(steps);
}

void CSDIWinApp::FulfilWish(const QString& wish) {
  if (wish != QLatin1String(kNameFinderWish) || !frame_) return;
  if (auto* bar = qobject_cast<CEntryToolbar*>(frame_->EntryBar())) emit bar->finderRequested();
}

void CSDIWinApp::ExitInstance() {
  // The window goes first: its views hold references into the model.
  frame_.reset();
  core_.ExitInstance();
}

}  // namespace nuvaro::ui
