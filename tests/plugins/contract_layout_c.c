/* Compiles the contract header as C, so its static assertions hold for C callers too. */
#include "nuvaro_plugin.h"

size_t NuvaroDataSizeSeenFromC(void) { return sizeof(NuvaroData); }
size_t NuvaroDataPercentageOffsetSeenFromC(void) { return offsetof(NuvaroData, percentage); }
size_t SoulSumsShinreiOffsetSeenFromC(void) { return offsetof(SoulSums, shinrei); }
