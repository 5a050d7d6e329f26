// The work-evaluation export GetShigotoHyouka.
#include "nuvacalc_readings.h"
#include "readings/reading_lookup.h"
#include "readings/reading_tables.h"
#include "readings/work_support.h"

using namespace nuvaro::engine;

extern "C" NUVACALC_API int GetShigotoHyouka(ShigotoRecord* record) {
  if (record == nullptr) return 0;
  const std::int16_t work = record->partnerShigoto;
  const std::uint16_t honsyou = SumOf(record->partnerHonsyou);
  const std::uint16_t shinrei = SumOf(record->partnerShinrei);
  record->whisper = ReadAt(record->wistful != 0 ? kWorkWhisperWistful : kWorkWhisperAssertive, work);
  record->partnerShinreiText = ReadAt(kWorkShinrei, record->partnerShinrei);
  record->partnerHonsyouText = ReadAt(kWorkHonsyou, record->partnerHonsyou);
  record->workType = ReadAt(kWorkType, work);
  // Whether the partner backs their own work, and whether they back the asker's.
  const bool ownWorkBacked = WorkSupport(SumOf(work), honsyou, shinrei);
  const bool askersWorkBacked = WorkSupport(SumOf(record->selfShigoto), honsyou, shinrei);
  record->workLuck = ReadAt(ownWorkBacked ? kWorkLuckGreat : kWorkLuckFew, work);
  record->aid = ReadAt(askersWorkBacked ? kAidAmple : kAidFew, work);
  return 1;
}
