// pair PLUGIN SH SC SA SS OH OC OA OS MALE: one pair reading of a reading plug-in,
// loaded from its .nvr file as the program loads it. S* are the user's honsyou, chikaku,
// aijyou and shinrei sums, O* the other person's; the other five sums are 0. MALE is
// otherIsMale.
#include <charconv>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "cli_command.h"
#include "core/plugin_host.h"
#include "nuvaro_plugin.h"
#include "platform/core/dynamic_library.h"
#include "platform/core/encoding.h"
#include "platform/core/file_system.h"
#include "platform/core/paths.h"

namespace nuvaro::cli {
namespace {

// A plug-in loaded once per process, so that a batch of thousands of lines loads it once.
// Like the program, it calls NVRStartUp after loading and NVRCleanUp before unloading.
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

// Loads the plug-in and starts it up the way the program does, or says why it cannot.
std::variant<LoadedPlugin*, std::string> Plugin(const std::string& path) {
  static std::map<std::string, std::unique_ptr<LoadedPlugin>> loaded;
  if (auto found = loaded.find(path); found != loaded.end()) return found->second.get();
  auto plugin = std::make_unique<LoadedPlugin>();
  if (!plugin->library.Load(path)) return "cannot load " + path + ": " + plugin->library.LastError();
  plugin->getNuvaroData = plugin->library.Lookup<NVRGetNuvaroDataFunction>("NVRGetNuvaroData");
  if (plugin->getNuvaroData == nullptr) return path + " has no NVRGetNuvaroData export";
  if (auto startUp = plugin->library.Lookup<NVRStartUpFunction>("NVRStartUp")) startUp();
  plugin->cleanUp = plugin->library.Lookup<NVRCleanUpFunction>("NVRCleanUp");
  return loaded.emplace(path, std::move(plugin)).first->second.get();
}

// A sum as the record carries it: -32768 to 65535, stored as its 16-bit pattern (the
// plug-ins read the sums as unsigned 16-bit values).
std::optional<std::int16_t> ParseSum(const std::string& text) {
  long value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < -32768 || value > 65535) return std::nullopt;
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
}

std::optional<std::int32_t> ParseInt32(const std::string& text) {
  std::int32_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::variant<Json, std::string> TextJson(const char* cp932) {
  if (cp932 == nullptr) return Json::Null();
  auto utf8 = platform::Cp932ToUtf8(cp932);
  if (!utf8) return std::string("the plug-in returned a text that is not valid CP932");
  return Json::String(*utf8);
}

CommandResult RunPair(const std::vector<std::string>& args, CommandSession&) {
  NuvaroData data;
  std::memset(&data, 0, sizeof data);
  std::int16_t* sums[] = {&data.self.honsyou,  &data.self.chikaku,  &data.self.aijyou,  &data.self.shinrei,
                          &data.other.honsyou, &data.other.chikaku, &data.other.aijyou, &data.other.shinrei};
  for (std::size_t i = 0; i < 8; ++i) {
    auto sum = ParseSum(args[i + 1]);
    if (!sum) return CommandResult::Fail(kExitBadInput, "\"" + args[i + 1] + "\" is not a sum (0 to 65535)");
    *sums[i] = *sum;
  }
  auto male = ParseInt32(args[9]);
  if (!male) return CommandResult::Fail(kExitBadInput, "\"" + args[9] + "\" is not a number (MALE: 1 or 0)");
  data.otherIsMale = *male;

  auto plugin = Plugin(core::PluginHost::PluginPath(args[0]));
  if (auto* error = std::get_if<std::string>(&plugin)) return CommandResult::Fail(kExitFailure, *error);
  std::get<LoadedPlugin*>(plugin)->getNuvaroData(&data);

  auto balloon = TextJson(data.balloonText);
  if (auto* error = std::get_if<std::string>(&balloon)) return CommandResult::Fail(kExitFailure, *error);
  Json details = Json::Array();
  for (const char* detail : data.detailText) {
    auto text = TextJson(detail);
    if (auto* error = std::get_if<std::string>(&text)) return CommandResult::Fail(kExitFailure, *error);
    details.Push(std::move(std::get<Json>(text)));
  }
  return CommandResult::Ok(Json::Object()
                               .Set("balloonText", std::move(std::get<Json>(balloon)))
                               .Set("detailText", std::move(details))
                               .Set("percentage", Json::Int(data.percentage)));
}

const CliCommandRegistration kPair({"pair", "PLUGIN SH SC SA SS OH OC OA OS MALE",
                                    "One pair reading of a plug-in (a .nvr path, or a file name in the "
                                    "program's nvr folder): the user's and the other person's honsyou, "
                                    "chikaku, aijyou and shinrei sums, and 1 when the other person is male.",
                                    10, RunPair});

}  // namespace
}  // namespace nuvaro::cli
