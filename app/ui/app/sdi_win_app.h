// CSDIWinApp: the application object. It owns the program's model for the whole run,
// runs the start-up sequence (engine, plug-ins, the two views on one document, the main
// frame) and the shut-down, and hands the main frame the views and bars it shows.
#pragma once

#include <QString>

#include <memory>
#include <vector>

#include "core/application_core.h"
#include "ui/frame/sdi_frame_wnd.h"

namespace nuvaro::ui {

class CMainFrame;

// The wish that opens the name finder.
inline constexpr char kNameFinderWish[] = "name-finder";

class CSDIWinApp {
 public:
  CSDIWinApp();
  ~CSDIWinApp();
  CSDIWinApp(const CSDIWinApp&) = delete;
  CSDIWinApp& operator=(const CSDIWinApp&) = delete;

  // The start-up sequence. False when the program must end (its messages have been
  // shown); ExitInstance is still to be called.
  bool InitInstance();
  // Shut-down after the message loop or a failed start: the main frame goes, then the
  // engine is released and the plug-ins are cleaned up and unloaded. Runs once.
  void ExitInstance();

  // A wish handed over by the command line or a later start: kNameFinderWish opens (or
  // raises) the name finder; any other wish does nothing.
  void FulfilWish(const QString& wish);

  core::ApplicationCore& Core() { return core_; }
  CMainFrame* MainFrame() const { return frame_.get(); }
  const std::vector<CSDIDocTemplate>& DocTemplates() const { return templates_; }

  // Names of the framework's start-up steps in the order they ran (for tests).
  const std::vector<QString>& StepsRun() const { return stepsRun_; }

 private:
  void AddDocTemplate(CSDIDocTemplate docTemplate);
  void RegisterTemplates();
  bool CreateMainFrame();

  core::ApplicationCore core_;
  std::vector<CSDIDocTemplate> templates_;
  std::unique_ptr<CMainFrame> frame_;
  std::vector<QString> stepsRun_;
};

}  // namespace nuvaro::ui
