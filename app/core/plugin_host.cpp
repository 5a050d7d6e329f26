#include "core/plugin_host.h"

#include <algorithm>

#include "core/core_texts.h"
#include "core/cp932_text.h"
#include "core/face.h"
#include "platform/core/file_system.h"
#include "platform/core/message_sink.h"
#include "platform/core/paths.h"

namespace nuvaro::core {

PluginHost::~PluginHost() { Unload(); }

bool PluginHost::Load() { return LoadFrom(platform::ProgramFile(kPluginFolderName)); }

bool PluginHost::LoadFrom(const std::string& folder) {
  std::vector<std::string> names = platform::ListFiles(folder, kPluginPattern);
  std::stable_sort(names.begin(), names.end(),
                   [](const std::string& a, const std::string& b) { return CompareCp932(a, b) < 0; });
  std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
  std::vector<std::string> paths;
  for (const std::string& name : names) paths.push_back(prefix + name);
  return LoadFiles(paths);
}

bool PluginHost::LoadFiles(const std::vector<std::string>& paths) {
  Unload();
  for (const std::string& path : paths) {
    platform::DynamicLibrary library;
    const std::size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (!library.Load(path)) {
      platform::ShowMessageBox(nullptr, FormatText(texts::kPluginLoadFailedFormat, DisplayPath(path)),
                               texts::kApplicationTitle);
      // None of them was started, so none is cleaned up: they are simply unloaded.
      libraries_.clear();
      fileNames_.clear();
      return false;
    }
    libraries_.push_back(std::move(library));
    fileNames_.push_back(name);
  }
  if (libraries_.empty()) return false;
  StartUpAll();
  return true;
}

std::string PluginHost::PluginPath(const std::string& nameOrPath) {
  if (nameOrPath.find('/') != std::string::npos) return nameOrPath;
  std::string path = platform::ProgramFile(std::string(kPluginFolderName) + "/" + nameOrPath);
  if (!platform::FileExists(path) && nameOrPath.find('.') == std::string::npos) path += kPluginExtension;
  return path;
}

void PluginHost::Unload() {
  CleanUpAll();
  // Unloaded in reverse order of loading.
  while (!libraries_.empty()) libraries_.pop_back();
  fileNames_.clear();
}

void* PluginHost::Export(int index, const char* name) const {
  return libraries_[static_cast<std::size_t>(index)].Symbol(name);
}

void PluginHost::StartUpAll() {
  for (int i = 0; i < Count(); ++i) {
    if (auto startUp = reinterpret_cast<NVRStartUpFunction>(Export(i, "NVRStartUp"))) startUp();
  }
}

void PluginHost::CleanUpAll() {
  for (int i = 0; i < Count(); ++i) {
    if (auto cleanUp = reinterpret_cast<NVRCleanUpFunction>(Export(i, "NVRCleanUp"))) cleanUp();
  }
}

int PluginHost::GuideForm(::GuideForm& form, int index) {
  if (!InRange(index)) return index;
  auto call = reinterpret_cast<NVRGetGuideFormFunction>(Export(index, "NVRGetGuideForm"));
  if (call == nullptr) return 0;
  call(&form);
  return 1;
}

int PluginHost::MenuForm(::MenuForm& form, int index) {
  if (!InRange(index)) return index;
  auto call = reinterpret_cast<NVRGetMenuFormFunction>(Export(index, "NVRGetMenuForm"));
  if (call == nullptr) return 0;
  call(&form);
  return 1;
}

void PluginHost::DetailForm(::DetailForm& form, int index) {
  if (!InRange(index)) return;
  if (auto call = reinterpret_cast<NVRGetDetailFormFunction>(Export(index, "NVRGetDetailForm"))) call(&form);
}

void PluginHost::PersentageForm(::PersentageForm& form, int index) {
  if (!InRange(index)) return;
  if (auto call = reinterpret_cast<NVRGetPersentageFormFunction>(Export(index, "NVRGetPersentageForm"))) {
    call(&form);
  }
}

int PluginHost::Group(int index) {
  if (!InRange(index)) return 0;
  auto call = reinterpret_cast<NVRGetGroupFunction>(Export(index, "NVRGetGroup"));
  return call != nullptr ? call() : 0;
}

int PluginHost::IsViewWindow(int index) {
  if (!InRange(index)) return 0;
  auto call = reinterpret_cast<NVRIsViewWindowFunction>(Export(index, "NVRIsViewWindow"));
  return call != nullptr ? call() : 0;
}

void PluginHost::ViewCreate(void* window, int index) {
  if (!InRange(index)) return;
  if (auto call = reinterpret_cast<NVRViewCreateFunction>(Export(index, "NVRViewCreate"))) call(window);
}

int PluginHost::NuvaroData(::NuvaroData& data, int index) {
  if (!InRange(index)) return 0;
  auto call = reinterpret_cast<NVRGetNuvaroDataFunction>(Export(index, "NVRGetNuvaroData"));
  return call != nullptr ? call(&data) : 0;
}

int PluginHost::SetEvent(int eventId, int index) {
  if (!InRange(index)) return index;
  auto call = reinterpret_cast<NVRSetEventFunction>(Export(index, "NVRSetEvent"));
  return call != nullptr ? call(eventId) : 0;
}

int PluginHost::GetEvent(int index) {
  if (!InRange(index)) return NVR_NO_EVENT;
  auto call = reinterpret_cast<NVRGetEventFunction>(Export(index, "NVRGetEvent"));
  return call != nullptr ? call() : NVR_NO_EVENT;
}

bool PluginHost::IsEvent(int eventId) {
  if (eventId == 0) return false;
  for (int i = 0; i < Count(); ++i) {
    if (GetEvent(i) == eventId) return true;
  }
  return false;
}

std::vector<int> PluginHost::SelectedPlugins(const CFace& face) {
  std::vector<int> selected;
  for (int i = 0; i < Count(); ++i) {
    bool chosen = face.mode == kModeSelf ? Group(i) == kOwnFaceGroup : GetEvent(i) == face.activeEvent;
    if (chosen) selected.push_back(i);
  }
  return selected;
}

}  // namespace nuvaro::core
