/* Compiles the public header as C, so the query's layout assertions hold for C callers. */
#include "nuvacalc.h"

size_t PersonalFortuneQuerySizeSeenFromC(void) { return sizeof(PersonalFortuneQuery); }
