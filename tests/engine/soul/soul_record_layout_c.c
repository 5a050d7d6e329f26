/* Compiles the public record header as C, so its static assertions hold for C callers. */
#include "nuvacalc.h"

size_t SoulRecordSizeSeenFromC(void) { return sizeof(SoulRecord); }
size_t SoulRecordIs22OffsetSeenFromC(void) { return offsetof(SoulRecord, is22); }
