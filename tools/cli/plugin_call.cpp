#include "plugin_call.h"

#include <charconv>
#include <map>
#include <memory>

#include "platform/core/dynamic_library.h"
#include "platform/core/encoding.h"
#include "platform/core/file_system.h"
#include "platform/core/paths.h"

namespace nuvaro::cli {
namespace {

// A loaded plug-in; like the program, it calls NVRStartUp after loading and NVRCleanUp
// before unloading.
struct LoadedPlugin {
  platform::DynamicLibrary library;
  NVRGetNuvaroDataFunction getNuvaroData = nullptr;
  NVRCleanUpFunction cleanUp = nullptr;

  LoadedPlugin() = default;
  LoadedPlugin(const LoadedPlugin&) = delete;
  LoadedPlugin& operator=(const LoadedPlugin&) = delete;
  ~LoadedPlugin() {
    if (cleanUp != nullptr) cleanUp();
  }
};

std::variant<Json, std::string> TextJson(const char* cp932) {
  if (cp932 == nullptr) return Json::Null();
  auto utf8 = platform::Cp932ToUtf8(cp932);
  if (!utf8) return std::string("the plug-in returned a text that is not valid CP932");
  return Json::String(*utf8);
}

}  // namespace

std::variant<NVRGetNuvaroDataFunction, std::string> PluginNuvaroData(const std::string& path) {
  static std::map<std::string, std::unique_ptr<LoadedPlugin>> loaded;
  if (auto found = loaded.find(path); found != loaded.end()) return found->second->getNuvaroData;
  auto plugin = std::make_unique<LoadedPlugin>();
  if (!plugin->library.Load(path)) return "cannot load " + path + ": " + plugin->library.LastError();
  plugin->getNuvaroData = plugin->library.Lookup<NVRGetNuvaroDataFunction>("NVRGetNuvaroData");
  if (plugin->getNuvaroData == nullptr) return path + " has no NVRGetNuvaroData export";
  if (auto startUp = plugin->library.Lookup<NVRStartUpFunction>("NVRStartUp")) startUp();
  plugin->cleanUp = plugin->library.Lookup<NVRCleanUpFunction>("NVRCleanUp");
  return loaded.emplace(path, std::move(plugin)).first->second->getNuvaroData;
}

std::optional<std::int32_t> ParseInt32(const std::string& text) {
  std::int32_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::variant<Json, std::string> PairAnswerJson(const NuvaroData& data) {
  auto balloon = TextJson(data.balloonText);
  if (auto* error = std::get_if<std::string>(&balloon)) return *error;
  Json details = Json::Array();
  for (const char* detail : data.detailText) {
    auto text = TextJson(detail);
    if (auto* error = std::get_if<std::string>(&text)) return *error;
    details.Push(std::move(std::get<Json>(text)));
  }
  return Json::Object()
      .Set("balloonText", std::move(std::get<Json>(balloon)))
      .Set("detailText", std::move(details))
      .Set("percentage", Json::Int(data.percentage));
}

}  // namespace nuvaro::cli
