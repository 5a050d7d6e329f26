/* Compiles the public header as C, so the record's layout assertions hold for C callers. */
#include "nuvacalc.h"

size_t UnseiRecordSizeSeenFromC(void) { return sizeof(UnseiRecord); }
