// One person's soul numbers: the stroke counts of surname and given name, the nine sums,
// their inner and outer numbers and flags, written into a SoulRecord.
#pragma once

#include "nuvacalc_soul.h"
#include "stroke_table/kanji_stroke_table.h"

namespace nuvaro::engine {

// CalculateSoul with a chosen stroke lookup (the export uses the index; the benchmark
// compares it with the plain scan).
int CalculateSoulWith(SoulRecord* record, StrokeLookup lookup);

}  // namespace nuvaro::engine
