// Asking a reading plug-in from the command line: the plug-in loaded from its .nvr file
// as the program loads it, and its answer as JSON. Shared by the pair commands.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "json.h"
#include "nuvaro_plugin.h"

namespace nuvaro::cli {

// NVRGetNuvaroData of the plug-in at this path, loaded and started up once per process
// (a batch of thousands of lines loads it once; NVRCleanUp runs at exit), or why it
// cannot be had.
std::variant<NVRGetNuvaroDataFunction, std::string> PluginNuvaroData(const std::string& path);

std::optional<std::int32_t> ParseInt32(const std::string& text);

// The record's answer: {"balloonText", "detailText" (ten, null where unset),
// "percentage"}, or why a text cannot be shown.
std::variant<Json, std::string> PairAnswerJson(const NuvaroData& data);

}  // namespace nuvaro::cli
