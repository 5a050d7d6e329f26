// GetPersonalFortune: the engine's export of the personal readings.
#include "nuvacalc_personal.h"
#include "personal/personal_reading_table.h"

extern "C" void GetPersonalFortune(PersonalFortuneQuery* query) {
  if (query == nullptr) return;
  const nuvaro::personal::PersonalReadingRow* row = nuvaro::personal::FindPersonalReading(query->number, query->aspect);
  if (row == nullptr) return;
  query->text = row->text;
  query->note = row->note;
}
