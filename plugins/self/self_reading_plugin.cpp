// The user's own reading (SelfReading, group 6): the engine's personal readings of the
// user's sums, asked from the engine library the program has already loaded. The board
// asks it with the user as both persons; the readings follow `other`, the person whose
// name stands before the captions.
#include <array>
#include <cstdint>
#include <span>

#include "detail_text_buffer.h"
#include "number_rules/personal_aspects.h"
#include "platform/core/dynamic_library.h"
#include "plugin_definition.h"
#include "self_reading_items.h"
#include "text_set.h"

namespace nuvaro::plugins {
namespace {

BasicDetailTextBuffer<kSelfReadingTextCapacity> g_detailText;

// GetPersonalFortune of the engine in this process, or nullptr when no engine is loaded.
// The engine keeps its table; we take a reference for the call and never load a copy.
class LoadedEngine {
 public:
  LoadedEngine() {
    if (library_.AttachLoaded(NUVACALC_LIBRARY_FILE_NAME))
      lookup_ = library_.Lookup<GetPersonalFortuneFunction>("GetPersonalFortune");
  }
  bool Found() const { return lookup_ != nullptr; }

  struct Reading {
    const char* text;
    const char* note;
  };
  // The reading of one aspect for these sums; both texts empty when the engine has no
  // row (a sum of 0, a sum above 60, or above 40 for the 経済運 aspects).
  Reading Ask(const SoulSums& sums, std::int32_t code) const {
    const PersonalAspect* aspect = FindPersonalAspect(code);
    PersonalFortuneQuery query{};
    query.number = PersonalAspectNumber(sums, *aspect);
    query.aspect = code;
    query.text = "";
    query.note = "";
    lookup_(&query);
    return {query.text != nullptr ? query.text : "", query.note != nullptr ? query.note : ""};
  }

 private:
  platform::DynamicLibrary library_;
  GetPersonalFortuneFunction lookup_ = nullptr;
};

// One item's text: each whole reading, its note on the next line when it has one,
// readings one to a line.
const char* ComposeItem(const LoadedEngine& engine, const SoulSums& sums, const SelfReadingItem& item) {
  std::array<const char*, 12> parts{};
  std::size_t count = 0;
  for (std::int32_t code : item.aspects) {
    if (code == 0 || !engine.Found()) break;
    const LoadedEngine::Reading reading = engine.Ask(sums, code);
    // An opening without its body (the look readings of 41 to 60) is no reading: leave
    // it out, with its note, rather than show half a sentence.
    if (*reading.text == '\0' || IsOpeningOnlyReading(reading.text)) continue;
    if (count > 0) parts[count++] = "\n";
    parts[count++] = reading.text;
    if (*reading.note != '\0') {
      parts[count++] = "\n";
      parts[count++] = reading.note;
    }
  }
  return g_detailText.Append(std::span<const char* const>(parts.data(), count));
}

void ReadSelf(NuvaroData& data) {
  const LoadedEngine engine;
  g_detailText.Clear();
  bool anyReading = false;
  for (std::size_t k = 0; k < kSelfReadingItems.size(); ++k) {
    data.detailText[k] = ComposeItem(engine, data.other, kSelfReadingItems[k]);
    anyReading = anyReading || *data.detailText[k] != '\0';
  }
  // The user still unnamed (every sum 0) gets no words at all.
  data.balloonText = anyReading ? texts::balloon : "";
  data.percentage = 0;
}

constexpr PluginDefinition kDefinition = {
    texts::dataName,
    texts::version,
    NVR_GROUP_OWN_FACE,
    nullptr,
    texts::noEventMessage,
    {texts::seriesTitle, texts::groupHeading, texts::guideCaption, texts::guideExplanation},
    {texts::menuCaption, texts::menuExplanation},
    {texts::detailTitle,
     texts::detailExplanation,
     {texts::itemCaption1, texts::itemCaption2, texts::itemCaption3, texts::itemCaption4, texts::itemCaption5,
      texts::itemCaption6, texts::itemCaption7, texts::itemCaption8, texts::itemCaption9, texts::itemCaption10}},
    {texts::percentageLabel, texts::percentageTitle, texts::percentageExplanation},
    ReadSelf,
};

}  // namespace

const PluginDefinition& ThisPlugin() { return kDefinition; }

}  // namespace nuvaro::plugins
