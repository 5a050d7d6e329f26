// The program's side of the reading plug-ins: loading every "*.nvr" of the "nvr"
// folder beside the program, calling their exports by index (each export looked up by
// name at the moment of the call; nothing is cached), and choosing which plug-in
// answers: the active reading (the face collection's activeEvent), or in mode 6 the
// plug-ins of group 6.
#pragma once

#include <string>
#include <vector>

#include "nuvaro_plugin.h"
#include "platform/core/dynamic_library.h"

namespace nuvaro::core {

class CFace;

inline constexpr char kPluginFolderName[] = "nvr";
inline constexpr char kPluginPattern[] = "*.nvr";
inline constexpr char kPluginExtension[] = ".nvr";
inline constexpr int kOwnFaceGroup = NVR_GROUP_OWN_FACE;

class PluginHost {
 public:
  PluginHost() = default;
  PluginHost(const PluginHost&) = delete;
  PluginHost& operator=(const PluginHost&) = delete;
  ~PluginHost();

  // Loads the plug-in files of the "nvr" folder beside the program (regular files only),
  // sorted character by character, each by its full path. The first file that cannot be
  // loaded shows "<full path> ファイルがロードできませんでした。", the ones loaded before
  // it are unloaded again without any of their exports being called, and the answer is
  // false. False too when no plug-in was found. Otherwise calls NVRStartUp of each in
  // order (results ignored) and answers true. The current directory is not changed.
  bool Load();
  // The same for a given folder.
  bool LoadFrom(const std::string& folder);
  // The same for these plug-in files, in the order given.
  bool LoadFiles(const std::vector<std::string>& paths);
  // The file of a plug-in named on a command line: a path (holding '/') as given, else
  // a file name in the program's plug-in folder, with ".nvr" added when the name has no
  // extension and no such file exists.
  static std::string PluginPath(const std::string& nameOrPath);
  // NVRCleanUp of every plug-in in order, then every library unloaded.
  void Unload();

  int Count() const { return static_cast<int>(libraries_.size()); }
  // File names (without folder) of the loaded plug-ins, in index order.
  const std::vector<std::string>& FileNames() const { return fileNames_; }

  // Per-index calls. Out of range is an index not below Count(); missing is a library
  // without that export. The results in those two cases are those the guide menu and
  // the board rely on: see each line.
  void StartUpAll();                                 // missing: skipped
  void CleanUpAll();                                 // missing: skipped
  int GuideForm(::GuideForm& form, int index);       // out: index, missing: 0, else 1
  int MenuForm(::MenuForm& form, int index);         // out: index, missing: 0, else 1
  void DetailForm(::DetailForm& form, int index);    // out or missing: nothing done
  void PersentageForm(::PersentageForm& form, int index);  // out or missing: nothing done
  int Group(int index);                              // out: 0, missing: 0
  int IsViewWindow(int index);                       // out: 0, missing: 0
  void ViewCreate(void* window, int index);          // out or missing: nothing done
  int NuvaroData(::NuvaroData& data, int index);     // out: 0, missing: 0
  int SetEvent(int eventId, int index);              // out: index, missing: 0
  int GetEvent(int index);                           // out: -1, missing: -1

  // Selection. IsEvent: id is not 0 and some plug-in answers it to GetEvent.
  bool IsEvent(int eventId);
  // The plug-ins that answer for the face collection's reading, in index order: those
  // whose event id is activeEvent, or in mode 6 those of group 6.
  std::vector<int> SelectedPlugins(const CFace& face);

 private:
  void* Export(int index, const char* name) const;
  bool InRange(int index) const { return index >= 0 && index < Count(); }

  std::vector<platform::DynamicLibrary> libraries_;
  std::vector<std::string> fileNames_;
};

}  // namespace nuvaro::core
