// The friends-and-business tactics export GetNinkiKouryaku.
#include "nuvacalc_readings.h"
#include "readings/reading_lookup.h"
#include "readings/reading_tables.h"

using namespace nuvaro::engine;

namespace {

int Outer(std::int16_t sum) { return nuvaro::ReduceSoulNumber(SumOf(sum)).outer; }

}  // namespace

extern "C" NUVACALC_API int GetNinkiKouryaku(NinkiRecord* record) {
  if (record == nullptr) return 0;
  const std::int16_t ninki = record->partnerNinki;
  record->whisper = ReadAt(record->wistful != 0 ? kFriendWhisperWistful : kFriendWhisperAssertive, ninki);
  // Good when the partner's 人気運 meets one of the asker's two sums.
  const bool good = Outer(ninki) == Outer(record->selfSum1) || Outer(ninki) == Outer(record->selfSum2);
  record->trueFeeling = ReadAt(good ? kTrueFeelingGood : kTrueFeelingLukewarm, ninki);
  record->getMethod = ReadAt(kFriendGetMethod, ninki);
  record->partnerShinreiText = ReadAt(kFriendShinrei, record->partnerShinrei);
  record->partnerHonsyouText = ReadAt(kFriendHonsyou, record->partnerHonsyou);
  // When 心霊運 and 人気運 agree, the weak point shows in the 本性 instead.
  const std::int16_t weakSum =
      Outer(record->partnerShinrei) == Outer(ninki) ? record->partnerHonsyou : record->partnerShinrei;
  record->weakness = ReadAt(kFriendWeakness, weakSum);
  record->tactic = ReadAt(kFriendTactic, weakSum);
  return 1;
}
