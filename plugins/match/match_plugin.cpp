// The compatibility readings (MatchLover, MatchCouple): how the other person feels about
// the user. One code base; the module's text set (text_set.h) makes it one or the other.
#include "detail_text_buffer.h"
#include "number_rules/number_rules.h"
#include "pair_logic.h"
#include "plugin_definition.h"
#include "reading_table.h"
#include "text_set.h"

namespace nuvaro::plugins {
namespace {

// The monologue of detail 2 is three sentence parts; the longest of each must fit.
static_assert(LongestText(texts::portraitFirst) + LongestText(texts::portraitSecond) +
                      LongestText(texts::portraitThird) <
                  kDetailTextCapacity,
              "the longest composed detail text must fit its buffer");

DetailTextBuffer g_detailText;

void ReadCompatibility(NuvaroData& data) {
  const PairSums self = PairSumsOf(data.self);
  const PairSums other = PairSumsOf(data.other);
  const int aijyou = ReadingIndex(other.aijyou);
  data.balloonText = ReadingText(PairTest(self, other) ? texts::balloonGood : texts::balloonPoor, aijyou);
  data.detailText[0] = ReadingText(texts::wish, aijyou);
  data.detailText[1] = g_detailText.Compose({ReadingText(texts::portraitFirst, ReadingIndex(other.shinrei)),
                                             ReadingText(texts::portraitSecond, ReadingIndex(other.chikaku)),
                                             ReadingText(texts::portraitThird, ReadingIndex(other.honsyou))});
  data.percentage = AffinityPercent(self, other);
}

constexpr PluginDefinition kDefinition = {
    texts::dataName,
    texts::version,
    NVR_GROUP_COMPATIBILITY,
    texts::viewCaption,
    texts::noEventMessage,
    {texts::seriesTitle, texts::groupHeading, texts::guideCaption, texts::guideExplanation},
    {texts::menuCaption, texts::menuExplanation},
    {texts::detailTitle,
     texts::detailExplanation,
     {texts::itemCaption1, texts::itemCaption2, texts::itemCaption3, texts::itemCaption4, texts::itemCaption5,
      texts::itemCaption6, texts::itemCaption7, texts::itemCaption8, texts::itemCaption9, texts::itemCaption10}},
    {texts::percentageLabel, texts::percentageTitle, texts::percentageExplanation},
    ReadCompatibility,
};

}  // namespace

const PluginDefinition& ThisPlugin() { return kDefinition; }

}  // namespace nuvaro::plugins
