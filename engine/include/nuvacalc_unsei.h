/* The fortune calendar's day reading: one sentence of a day part, a month part and a
 * year part, and a face kind, for one person on one day. */
#ifndef NUVACALC_UNSEI_H
#define NUVACALC_UNSEI_H

#include <stddef.h>
#include <stdint.h>

#include "nuvacalc_api.h"

#ifdef __cplusplus
extern "C" {
#endif

enum {
  kUnseiFaceKindNone = 0, /* no day branch: no face chosen */
  kUnseiFaceKindMax = 5   /* face kinds run 0 to 5 */
};

/* The caller's record for one day. The caller zero-fills it, sets the inputs and calls
 * GetUnseiCalendar, which fills the three outputs. */
typedef struct UnseiRecord {
  int16_t yearBranch;  /* in: branch of the year's sexagenary name, 1 (子) to 12 (亥), 0 none */
  int16_t monthBranch; /* in: branch of the month's sexagenary name */
  int16_t dayBranch;   /* in: branch of the day's sexagenary name */
  int16_t honsyou;     /* in: the person's sums from SoulRecord; honsyou is not read */
  int16_t syakai;
  int16_t chikaku;
  int16_t ninki;
  int16_t shigoto;
  int16_t aijyou;
  int16_t shinrei;
  int16_t jinkakuA;
  int16_t jinkakuB;
  int32_t resetState;      /* in: nonzero on the first day of each drawing of a month */
  const char* readingText; /* out: the day's sentence (CP932); valid until the next call */
  const char* extraText;   /* out: always the empty text */
  int32_t faceKind;        /* out: 0 to 5, picks the face picture */
} UnseiRecord;

#ifndef NUVACALC_STATIC_ASSERT
#ifdef __cplusplus
#define NUVACALC_STATIC_ASSERT(condition, message) static_assert(condition, message)
#else
#define NUVACALC_STATIC_ASSERT(condition, message) _Static_assert(condition, message)
#endif
#endif

NUVACALC_STATIC_ASSERT(offsetof(UnseiRecord, yearBranch) == 0, "UnseiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(UnseiRecord, monthBranch) == 2, "UnseiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(UnseiRecord, dayBranch) == 4, "UnseiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(UnseiRecord, honsyou) == 6, "UnseiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(UnseiRecord, syakai) == 8, "UnseiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(UnseiRecord, chikaku) == 10, "UnseiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(UnseiRecord, ninki) == 12, "UnseiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(UnseiRecord, shigoto) == 14, "UnseiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(UnseiRecord, aijyou) == 16, "UnseiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(UnseiRecord, shinrei) == 18, "UnseiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(UnseiRecord, jinkakuA) == 20, "UnseiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(UnseiRecord, jinkakuB) == 22, "UnseiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(UnseiRecord, resetState) == 24, "UnseiRecord layout");
#if UINTPTR_MAX == 0xFFFFFFFFu
NUVACALC_STATIC_ASSERT(offsetof(UnseiRecord, readingText) == 28, "UnseiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(UnseiRecord, extraText) == 32, "UnseiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(UnseiRecord, faceKind) == 36, "UnseiRecord layout");
NUVACALC_STATIC_ASSERT(sizeof(UnseiRecord) == 40, "UnseiRecord is 40 bytes");
#else
NUVACALC_STATIC_ASSERT(offsetof(UnseiRecord, readingText) == 32, "UnseiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(UnseiRecord, extraText) == 40, "UnseiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(UnseiRecord, faceKind) == 48, "UnseiRecord layout");
NUVACALC_STATIC_ASSERT(sizeof(UnseiRecord) == 56, "UnseiRecord is 56 bytes");
#endif

/* Fills readingText, extraText and faceKind from the record's branches and sums, the
 * local clock and the engine-wide alternation of phrasings, which carries over from
 * call to call (resetState restarts it). Returns 1; a null record is left alone and
 * gives 0. The sentence lives in one engine buffer that the next call overwrites. */
NUVACALC_API int GetUnseiCalendar(UnseiRecord* record);

typedef int (*GetUnseiCalendarFunction)(UnseiRecord*);

#ifdef __cplusplus
}
#endif

#endif
