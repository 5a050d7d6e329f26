// The program's spine without windows: what the application object owns for the whole
// run (font settings, engine, plug-ins, the board document, the member lists, the
// companion launcher) and the start-up and shut-down sequences. The window framework
// supplies its own steps; the engine and plug-in steps and their messages are here.
#pragma once

#include <functional>

#include "core/companion_launcher.h"
#include "core/engine_binding.h"
#include "core/font_settings.h"
#include "core/member_list_set.h"
#include "core/nuvaro_doc.h"
#include "core/plugin_host.h"

namespace nuvaro::core {

// The framework's parts of the start-up, in the order they run; an empty step is skipped
// (an empty processCommandLine succeeds).
struct StartupSteps {
  std::function<void()> prepareFramework;       // 1: hosted controls, 3-D dialog controls
  std::function<void()> initializeDataExchange; // 4: drag and drop, data exchange
  std::function<void()> loadProfileSettings;    // 5: settings key "Nuvaro", 4 recent files
  std::function<void()> registerTemplates;      // 6: template 128 (guide menu), then 129 (board)
  std::function<bool()> processCommandLine;     // 7: new document, main frame, views
  std::function<void()> showMainWindow;         // 8: show normally and update
};

enum class StartupStage {
  NotStarted,
  EngineBound,
  PluginsLoaded,        // loaded and started
  TemplatesRegistered,
  Running,              // the main window is shown
  ShutDown,
};

class ApplicationCore {
 public:
  // Reads the font settings of nuvaro.ini beside the program (the process-wide record).
  ApplicationCore();
  ~ApplicationCore();
  ApplicationCore(const ApplicationCore&) = delete;
  ApplicationCore& operator=(const ApplicationCore&) = delete;

  // Runs the start-up; false ends the program (ExitInstance still runs). Failures:
  // no engine: "モジュール:libNuvacalc.soが存在しません", then "関連モジュールがありません。
  // \n終了します。"; no loadable plug-in: (for a file that cannot be loaded first
  // "<path> ファイルがロードできませんでした。"), then "ヌヴァロ君のデータファイルがありません。
  // \n終了します。"; step 7 failing ends it silently.
  bool InitInstance(const StartupSteps& steps = {});

  // Shut-down, also after a failed start: releases the engine, cleans up and unloads
  // the plug-ins, then runs the framework's own exit. Runs once.
  void ExitInstance(const std::function<void()>& frameworkExit = {});

  StartupStage Stage() const { return stage_; }
  const FontSettings& Fonts() const { return fonts_; }
  EngineBinding& Engine() { return engine_; }
  PluginHost& Plugins() { return plugins_; }
  CNuvaroDoc& Document() { return document_; }
  MemberListSet& MemberLists() { return memberLists_; }
  CompanionLauncher& Companions() { return companions_; }

 private:
  StartupStage stage_ = StartupStage::NotStarted;
  bool exited_ = false;
  FontSettings fonts_;
  EngineBinding engine_;
  PluginHost plugins_;
  CNuvaroDoc document_;
  MemberListSet memberLists_;
  CompanionLauncher companions_;
};

}  // namespace nuvaro::core
