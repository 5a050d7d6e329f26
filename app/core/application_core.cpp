#include "core/application_core.h"

#include "core/core_texts.h"
#include "core/data_seeding.h"
#include "core/list_replacement.h"
#include "core/member_groups.h"
#include "platform/core/data_folder.h"
#include "platform/core/message_sink.h"

namespace nuvaro::core {
namespace {

void Run(const std::function<void()>& step) {
  if (step) step();
}

}  // namespace

ApplicationCore::ApplicationCore() : fonts_(ProgramFontSettings()) {}

ApplicationCore::~ApplicationCore() { ExitInstance(); }

bool ApplicationCore::InitInstance(const StartupSteps& steps) {
  Run(steps.prepareFramework);
  if (!engine_.Bind()) {
    platform::ShowMessageBox(nullptr, texts::kRelatedModuleMissing, texts::kApplicationTitle);
    return false;
  }
  stage_ = StartupStage::EngineBound;
  if (!plugins_.Load()) {
    platform::ShowMessageBox(nullptr, texts::kDataFileMissing, texts::kApplicationTitle);
    return false;
  }
  stage_ = StartupStage::PluginsLoaded;
  SeedDataFolder();
  // Before any list is read: an import stopped part way is finished or undone.
  std::vector<std::string> listPaths;
  for (const MemberGroup& group : MemberGroups()) listPaths.push_back(platform::DataFile(group.fileName));
  if (RecoverListFiles(listPaths) == ImportRecovery::Stuck) {
    for (int i = 0; i < memberLists_.PageCount(); ++i) memberLists_.Page(i).HoldUntilRestart();
  }
  Run(steps.initializeDataExchange);
  Run(steps.loadProfileSettings);
  Run(steps.registerTemplates);
  stage_ = StartupStage::TemplatesRegistered;
  if (steps.processCommandLine && !steps.processCommandLine()) return false;
  Run(steps.showMainWindow);
  stage_ = StartupStage::Running;
  return true;
}

void ApplicationCore::ExitInstance(const std::function<void()>& frameworkExit) {
  if (exited_) return;
  exited_ = true;
  engine_.Release();
  plugins_.Unload();
  Run(frameworkExit);
  stage_ = StartupStage::ShutDown;
}

}  // namespace nuvaro::core
