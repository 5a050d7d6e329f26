#include "ui/detail/detail_dialogs.h"

#include "core/detail_composition.h"
#include "ui/detail/contents_dialog.h"

namespace nuvaro::ui {

void RunDetailReading(const core::CFace& face, core::PluginHost& host, const core::EngineBinding& engine,
                      int faceId, QWidget* parent) {
  CContentsDialog dialog(core::ReadDetail(face, host, engine, faceId), parent);
  dialog.exec();
}

}  // namespace nuvaro::ui
