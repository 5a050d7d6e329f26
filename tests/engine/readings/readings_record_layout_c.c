/* Compiles the readings' public header as C, so the records' layout assertions hold for
 * C callers too. */
#include "nuvacalc.h"

size_t KouryakuRecordSizeSeenFromC(void) { return sizeof(KouryakuRecord); }
