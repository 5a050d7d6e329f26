// The fifteen exports of a reading plug-in, compiled into every plug-in module. Each
// module supplies its own ThisPlugin(). The state here is one per loaded module.
#include <cstdio>

#include "nuvaro_plugin.h"
#include "platform/core/message_sink.h"
#include "plugin_definition.h"

namespace {

using nuvaro::plugins::ThisPlugin;

std::int32_t g_eventId = NVR_NO_EVENT;
char g_plugName[NVR_PLUG_NAME_BYTES] = {};

}  // namespace

extern "C" {

NVR_EXPORT int32_t NVRStartUp(void) { return 1; }

NVR_EXPORT void NVRCleanUp(void) {}

NVR_EXPORT const char* NVRGetPlugName(void) {
  std::snprintf(g_plugName, sizeof g_plugName, "%s %s", ThisPlugin().dataName, ThisPlugin().version);
  return g_plugName;
}

NVR_EXPORT int32_t NVRVersionInfo(void* parentWindow) {
  return nuvaro::platform::ShowMessageBox(parentWindow, ThisPlugin().version, ThisPlugin().dataName,
                                          nuvaro::platform::MessageButtons::OkCancel);
}

NVR_EXPORT GuideForm* NVRGetGuideForm(GuideForm* form) {
  if (form != nullptr) *form = ThisPlugin().guideForm;
  return form;
}

NVR_EXPORT MenuForm* NVRGetMenuForm(MenuForm* form) {
  if (form != nullptr) *form = ThisPlugin().menuForm;
  return form;
}

NVR_EXPORT DetailForm* NVRGetDetailForm(DetailForm* form) {
  if (form != nullptr) *form = ThisPlugin().detailForm;
  return form;
}

NVR_EXPORT PersentageForm* NVRGetPersentageForm(PersentageForm* form) {
  if (form != nullptr) *form = ThisPlugin().persentageForm;
  return form;
}

NVR_EXPORT int32_t NVRGetGroup(void) { return ThisPlugin().group; }

NVR_EXPORT int32_t NVRIsViewWindow(void) { return 0; }

// The view dialog has no parent, whatever window the caller passes.
NVR_EXPORT void NVRViewCreate(void* /*parentWindow*/) {
  const char* caption = ThisPlugin().viewCaption;
  if (caption == nullptr) return;
  nuvaro::platform::ShowEmptyDialog(nullptr, caption, nuvaro::plugins::kViewDialogWidth,
                                    nuvaro::plugins::kViewDialogHeight);
}

// A null record gets no answer (0) instead of a crash.
NVR_EXPORT int32_t NVRGetNuvaroData(NuvaroData* data) {
  if (data == nullptr) return 0;
  ThisPlugin().read(*data);
  return 1;
}

NVR_EXPORT int32_t NVRSetEvent(int32_t eventId) {
  g_eventId = eventId;
  return g_eventId;
}

NVR_EXPORT int32_t NVRGetEvent(void) {
  if (g_eventId == NVR_NO_EVENT) {
    nuvaro::platform::ShowMessageBox(nullptr, ThisPlugin().noEventMessage, ThisPlugin().dataName,
                                     nuvaro::platform::MessageButtons::Ok);
  }
  return g_eventId;
}

NVR_EXPORT void NVRSetting(void* /*parentWindow*/) {}

}  // extern "C"
