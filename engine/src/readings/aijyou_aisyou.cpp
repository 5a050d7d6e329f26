// The love-compatibility exports: GetAijyouAisyou and GetSexAisyou.
#include <algorithm>

#include "nuvacalc_readings.h"
#include "readings/liking.h"
#include "readings/reading_lookup.h"
#include "readings/reading_tables.h"

using namespace nuvaro::engine;

namespace {
constexpr int kMaxPercentage = 100;
}  // namespace

extern "C" NUVACALC_API int GetAijyouAisyou(AisyouRecord* record) {
  if (record == nullptr) return 0;
  const FourSums self = SelfSumsOf(*record);
  const FourSums partner = PartnerSumsOf(*record);
  record->whisper = ReadAt(IsLiked(self, partner) ? kLikesWhisper : kDislikesWhisper, record->partnerAijyou);
  record->wish = ReadAt(kPartnerWish, record->partnerAijyou);
  record->partnerShinreiText = ReadAt(kShinreiFragment, record->partnerShinrei);
  record->partnerChikakuText = ReadAt(kChikakuFragment, record->partnerChikaku);
  record->partnerHonsyouText = ReadAt(kHonsyouFragment, record->partnerHonsyou);
  record->percentage = std::min(AffinityScore(self, partner) + AffinityScore(partner, self), kMaxPercentage);
  return 1;
}

extern "C" NUVACALC_API int GetSexAisyou(SexAisyouRecord* record) {
  if (record == nullptr) return 0;
  record->womanWhisper = ReadAt(kWomanWhisper, record->number);
  record->sexReading = ReadAt(kSexReading, record->number);
  return 1;
}
