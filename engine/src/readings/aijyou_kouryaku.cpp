// The love-tactics export GetAijyouKouryaku.
#include "nuvacalc_readings.h"
#include "readings/liking.h"
#include "readings/reading_lookup.h"
#include "readings/reading_tables.h"

using namespace nuvaro::engine;

extern "C" NUVACALC_API int GetAijyouKouryaku(KouryakuRecord* record) {
  if (record == nullptr) return 0;
  const std::int16_t aijyou = record->partnerAijyou;
  const std::int16_t shinrei = record->partnerShinrei;
  record->whisper = ReadAt(record->wistful != 0 ? kLoveWhisperWistful : kLoveWhisperAssertive, aijyou);
  const bool liked = IsLiked(SelfSumsOf(*record), PartnerSumsOf(*record));
  record->feeling = ReadAt(liked ? kFeelingPleased : kFeelingDispleased, aijyou);
  record->partnerShinreiText = ReadAt(kShinreiFragment, shinrei);
  record->partnerChikakuText = ReadAt(kChikakuFragment, record->partnerChikaku);
  record->partnerHonsyouText = ReadAt(kHonsyouFragment, record->partnerHonsyou);
  record->weakness = ReadAt(kLoveWeakness, shinrei);
  record->tactic = ReadAt(kLoveTactic, shinrei);
  record->getMethod = ReadAt(kLoveGetMethod, aijyou);
  return 1;
}
