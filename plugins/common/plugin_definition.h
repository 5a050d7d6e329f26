// What makes one reading plug-in: its names, group, form texts and reading. The fifteen
// exports (plugin_exports.cpp) are the same for every plug-in and ask ThisPlugin(),
// which each plug-in module defines once.
#pragma once

#include <cstdint>

#include "nuvaro_plugin.h"

namespace nuvaro::plugins {

// Dialog units of the empty view dialog of the compatibility plug-ins.
inline constexpr int kViewDialogWidth = 187;
inline constexpr int kViewDialogHeight = 93;

struct PluginDefinition {
  const char* dataName;        // CP932, e.g. 恋人相性データ
  const char* version;         // "Ver.1.0"
  std::int32_t group;          // NVR_GROUP_COMPATIBILITY or NVR_GROUP_TACTICS
  const char* viewCaption;     // caption of the empty view dialog; nullptr: no dialog
  const char* noEventMessage;  // shown by NVRGetEvent while no event id is registered
  GuideForm guideForm;
  MenuForm menuForm;
  DetailForm detailForm;
  PersentageForm persentageForm;
  // Fills the outputs of a pair record from its inputs.
  void (*read)(NuvaroData& data);
};

const PluginDefinition& ThisPlugin();

}  // namespace nuvaro::plugins
