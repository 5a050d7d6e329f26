#include "core/guide_menu_model.h"

#include "core/face.h"
#include "core/plugin_host.h"
#include "core/plugin_text.h"

namespace nuvaro::core {
namespace {

// A plug-in's caption, heading, label or title, read with the short bound.
std::string Text(const char* text) { return ReadPluginText(text, kPluginShortTextBytes); }
// A plug-in's explanation shown in a dialog, read with the long bound.
std::string LongText(const char* text) { return ReadPluginText(text, kPluginLongTextBytes); }

int FirstSelected(const CFace& face, PluginHost& host) {
  std::vector<int> selected = host.SelectedPlugins(face);
  return selected.empty() ? -1 : selected.front();
}

}  // namespace

std::vector<GuideMenuItem> BuildGuideMenu(PluginHost& host) {
  std::vector<GuideMenuItem> items;
  int counter = 1;
  int previousGroup = 0;
  for (int i = 0; i < host.Count(); ++i) {
    GuideMenuItem item;
    item.pluginIndex = i;
    ::GuideForm guide{};
    host.GuideForm(guide, i);
    item.group = host.Group(i);
    item.seriesTitle = Text(guide.seriesTitle);
    item.groupHeading = Text(guide.groupHeading);
    item.caption = Text(guide.caption);
    item.explanation = Text(guide.explanation);
    if (item.group == kOwnFaceGroup) {
      host.SetEvent(counter, i);
      item.eventId = counter++;
      items.push_back(std::move(item));
      continue;
    }
    item.hasEntry = true;
    item.startsGroup = item.group != previousGroup;
    previousGroup = item.group;
    ::MenuForm menu{};
    host.MenuForm(menu, i);
    item.menuCaption = Text(menu.caption);
    item.menuExplanation = Text(menu.explanation);
    host.SetEvent(counter, i);
    item.eventId = counter++;
    item.commandNumber = host.GetEvent(i);
    items.push_back(std::move(item));
  }
  return items;
}

ReadingActivation ActivateReading(CFace& face, PluginHost& host, int command) {
  ReadingActivation activation;
  if (command == kNavigatorCommand) {
    activation.kind = ReadingActivation::Kind::Navigator;
    return activation;
  }
  if (!host.IsEvent(command)) return activation;
  activation.kind = ReadingActivation::Kind::Activated;
  face.activeEvent = command;
  // A chosen reading ends the user's own one: its texts, not those of group 6, follow.
  face.mode = kModeNormal;
  std::vector<int> selected = host.SelectedPlugins(face);
  ::MenuForm menu{};
  for (int index : selected) host.MenuForm(menu, index);
  activation.menuCaption = Text(menu.caption);
  activation.menuExplanation = Text(menu.explanation);
  ::PersentageForm percentage{};
  if (!selected.empty()) host.PersentageForm(percentage, selected.front());
  activation.percentageLabel = Text(percentage.label);
  ::GuideForm guide{};
  for (int index : selected) host.GuideForm(guide, index);
  activation.frameTitle = Text(guide.caption);
  return activation;
}

void DeactivateReading(CFace& face) { face.activeEvent = 0; }

DetailFormTexts SelectedDetailForm(const CFace& face, PluginHost& host) {
  ::DetailForm form{};
  int first = FirstSelected(face, host);
  if (first >= 0) host.DetailForm(form, first);
  DetailFormTexts texts;
  texts.title = Text(form.title);
  texts.explanation = LongText(form.explanation);
  for (const char* caption : form.itemCaption) texts.itemCaptions.push_back(Text(caption));
  return texts;
}

PercentageFormTexts SelectedPercentageForm(const CFace& face, PluginHost& host) {
  ::PersentageForm form{};
  int first = FirstSelected(face, host);
  if (first >= 0) host.PersentageForm(form, first);
  return {Text(form.label), Text(form.title), LongText(form.explanation)};
}

ReadingWindow OpenReading(CFace& face, PluginHost& host, int faceId, void* boardWindow) {
  if (faceId == 0) {
    if (face.IsSelfUnnamed()) return ReadingWindow::None;
    face.mode = kModeSelf;
  } else {
    face.mode = kModeNormal;
  }
  std::vector<int> selected = host.SelectedPlugins(face);
  if (!selected.empty() && host.IsViewWindow(selected.front()) != 0) {
    for (int index : selected) host.ViewCreate(boardWindow, index);
    return ReadingWindow::PluginWindow;
  }
  return ReadingWindow::DetailDialog;
}

}  // namespace nuvaro::core
