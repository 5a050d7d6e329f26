// The tactics readings (TacticCouple, TacticLover): how to win and handle the other
// person. One code base; the module's text set (text_set.h) makes it one or the other.
#include "detail_text_buffer.h"
#include "number_rules/number_rules.h"
#include "pair_logic.h"
#include "plugin_definition.h"
#include "reading_table.h"
#include "text_set.h"

namespace nuvaro::plugins {
namespace {

constexpr int kFullPercent = 100;

// The portrait of detail 2 is three sentence parts; the longest of each must fit.
static_assert(LongestText(texts::portraitFirst) + LongestText(texts::portraitSecond) +
                      LongestText(texts::portraitThird) <
                  kDetailTextCapacity,
              "the longest composed detail text must fit its buffer");

DetailTextBuffer g_detailText;

void ReadTactics(NuvaroData& data) {
  const PairSums self = PairSumsOf(data.self);
  const PairSums other = PairSumsOf(data.other);
  const int aijyou = ReadingIndex(other.aijyou);
  const int shinrei = ReadingIndex(other.shinrei);
  data.balloonText = ReadingText(data.otherIsMale != 0 ? texts::balloonMale : texts::balloonFemale, aijyou);
  data.detailText[0] = ReadingText(PairTest(self, other) ? texts::feelingGood : texts::feelingPoor, aijyou);
  data.detailText[1] = g_detailText.Compose({ReadingText(texts::portraitFirst, shinrei),
                                             ReadingText(texts::portraitSecond, ReadingIndex(other.chikaku)),
                                             ReadingText(texts::portraitThird, ReadingIndex(other.honsyou))});
  data.detailText[2] = ReadingText(texts::weakPoint, shinrei);
  data.detailText[3] = ReadingText(texts::approach, shinrei);
  data.detailText[4] = ReadingText(texts::winning, aijyou);
  // 実践度: how much of the tactics the user still has to practise.
  data.percentage = kFullPercent - AffinityPercent(self, other);
}

constexpr PluginDefinition kDefinition = {
    texts::dataName,
    texts::version,
    NVR_GROUP_TACTICS,
    nullptr,  // no view dialog
    texts::noEventMessage,
    {texts::seriesTitle, texts::groupHeading, texts::guideCaption, texts::guideExplanation},
    {texts::menuCaption, texts::menuExplanation},
    {texts::detailTitle,
     texts::detailExplanation,
     {texts::itemCaption1, texts::itemCaption2, texts::itemCaption3, texts::itemCaption4, texts::itemCaption5,
      texts::itemCaption6, texts::itemCaption7, texts::itemCaption8, texts::itemCaption9, texts::itemCaption10}},
    {texts::percentageLabel, texts::percentageTitle, texts::percentageExplanation},
    ReadTactics,
};

}  // namespace

const PluginDefinition& ThisPlugin() { return kDefinition; }

}  // namespace nuvaro::plugins
