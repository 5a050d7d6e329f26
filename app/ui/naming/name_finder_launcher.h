// The name finder opened from the member-list bar: one window for the program, reading
// the board of the running program, registering found names into the bar's open list.
#pragma once

#include <string>

class QWidget;

namespace nuvaro::core {
class ApplicationCore;
}

namespace nuvaro::ui {

class CEntryToolbar;

// Makes the bar's "名前さがし" button open (or raise) the finder.
void ConnectNameFinder(CEntryToolbar& bar, core::ApplicationCore& core, QWidget* frame);

// Registers the full name (CP932) at the top of the bar's current list and selects its
// row, so it can be dragged to the board at once. False when the list refused it.
bool RegisterFoundName(CEntryToolbar& bar, const std::string& fullName, bool isMale);

}  // namespace nuvaro::ui
