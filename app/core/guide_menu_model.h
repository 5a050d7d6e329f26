// What the guide menu shows and does, without its windows: one item per plug-in with
// its texts and event id, the activation of a reading by command number, and the
// opening of a person's reading from a name plate.
#pragma once

#include <string>
#include <vector>

namespace nuvaro::core {

class CFace;
class PluginHost;

// The fixed entry's command: start the problem-solving navigator.
inline constexpr int kNavigatorCommand = 1000;

// One plug-in in the guide menu (texts CP932, copied; a null text is empty).
struct GuideMenuItem {
  int pluginIndex = 0;
  int group = 0;
  int eventId = 0;            // the id given with NVRSetEvent (1, 2, 3 ... in load order)
  bool hasEntry = false;      // false for group 6: an event id but no row
  bool startsGroup = false;   // a heading (groupHeading) stands above this entry
  int commandNumber = -1;     // what NVRGetEvent answered; the entry's command
  std::string seriesTitle;
  std::string groupHeading;
  std::string caption;        // button text, frame title while active
  std::string explanation;    // tip text of the button
  std::string menuCaption;    // menu form (read while building; the menu does not show it)
  std::string menuExplanation;
};

// Builds the menu in plug-in order, giving each plug-in the next event id of a counter
// that starts at 1 (group 6 included). A heading starts every run of entries whose group
// differs from the previous entry's (the previous group starts at 0).
std::vector<GuideMenuItem> BuildGuideMenu(PluginHost& host);

// What a command of the guide menu view does.
struct ReadingActivation {
  enum class Kind {
    Navigator,   // 1000: start the navigator companion, nothing else
    NotReading,  // not a plug-in's event id: the framework handles it
    Activated,   // activeEvent is set, mode 0: show the bars and switch to the board
  };
  Kind kind = Kind::NotReading;
  std::string menuCaption;      // upper text of the menu bar
  std::string menuExplanation;  // lower text of the menu bar
  std::string percentageLabel;  // caption of the board's percentage button
  std::string frameTitle;       // the guide form's caption
};

ReadingActivation ActivateReading(CFace& face, PluginHost& host, int command);

// "メニュー" / "戻る": no active reading.
void DeactivateReading(CFace& face);

// Texts of the selected plug-in for the detail dialogs and the chart (copied; null
// texts empty; all empty when no plug-in is selected).
struct DetailFormTexts {
  std::string title;
  std::string explanation;
  std::vector<std::string> itemCaptions;  // 10 captions, item k at k - 1
};
struct PercentageFormTexts {
  std::string label;
  std::string title;
  std::string explanation;
};
DetailFormTexts SelectedDetailForm(const CFace& face, PluginHost& host);
PercentageFormTexts SelectedPercentageForm(const CFace& face, PluginHost& host);

// A click on the name plate of face id n.
enum class ReadingWindow {
  None,          // the user's plate while the user is unnamed: nothing opens
  PluginWindow,  // the selected plug-ins showed their own window over the board
  DetailDialog,  // the program's detail dialog should open for face id n
};
// Sets mode (0 for another person, 6 for the user) and, when the first selected
// plug-in shows its own window, lets every selected plug-in create it over the board
// window.
ReadingWindow OpenReading(CFace& face, PluginHost& host, int faceId, void* boardWindow);

}  // namespace nuvaro::core
