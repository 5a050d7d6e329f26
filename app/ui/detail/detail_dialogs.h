// Opening the program's detail reading of a person on the board: the reading is read
// once through the host's pair computation (under the current reading and mode) and
// shown in the contents dialog, from which the item dialog and the preview open.
#pragma once

class QWidget;

namespace nuvaro::core {
class CFace;
class EngineBinding;
class PluginHost;
}  // namespace nuvaro::core

namespace nuvaro::ui {

// Shows the contents dialog for the person with this face id, modally.
void RunDetailReading(const core::CFace& face, core::PluginHost& host, const core::EngineBinding& engine,
                      int faceId, QWidget* parent);

}  // namespace nuvaro::ui
