/* One person's character and luck under eleven aspects: a reading text and a health note
 * looked up by a raw stroke sum and an aspect code. */
#ifndef NUVACALC_PERSONAL_H
#define NUVACALC_PERSONAL_H

#include <stddef.h>
#include <stdint.h>

#include "nuvacalc_api.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Aspect codes, with the SoulRecord sum a caller passes as the number for each. */
enum {
  kPersonalAspectHonsyou = 1,   /* 本性: honsyou */
  kPersonalAspectSyakai = 2,    /* 社会的性格: syakai */
  kPersonalAspectShigoto = 3,   /* 仕事運: shigoto */
  kPersonalAspectNinki = 4,     /* 人気運: ninki */
  kPersonalAspectJinkakuA = 5,  /* 人格Ａ: jinkakuA */
  kPersonalAspectJinkakuB = 6,  /* 人格Ｂ: jinkakuB */
  kPersonalAspectKatei = 7,     /* 家庭内性格: chikaku */
  kPersonalAspectAijyou = 8,    /* 愛情運: aijyou */
  kPersonalAspectShinrei = 9,   /* 心霊運: shinrei */
  kPersonalAspectKeizaiA = 10,  /* 経済運Ａ: jinkakuA */
  kPersonalAspectKeizaiB = 11,  /* 経済運Ｂ: jinkakuB */
  kPersonalAspectCount = 11
};

/* The caller's record for one lookup. The caller sets number and aspect (and usually
 * text and note to an empty text); GetPersonalFortune writes text and note on a match. */
typedef struct PersonalFortuneQuery {
  uint16_t number;  /* in: the stroke sum, 1 to 60 have rows */
  int32_t aspect;   /* in: aspect code, 1 to 11 */
  const char* text; /* out: the reading (CP932), constant while the engine is loaded */
  const char* note; /* out: a health note (CP932), empty for most rows, null for three */
} PersonalFortuneQuery;

#ifndef NUVACALC_STATIC_ASSERT
#ifdef __cplusplus
#define NUVACALC_STATIC_ASSERT(condition, message) static_assert(condition, message)
#else
#define NUVACALC_STATIC_ASSERT(condition, message) _Static_assert(condition, message)
#endif
#endif

NUVACALC_STATIC_ASSERT(offsetof(PersonalFortuneQuery, number) == 0, "PersonalFortuneQuery layout");
NUVACALC_STATIC_ASSERT(offsetof(PersonalFortuneQuery, aspect) == 4, "PersonalFortuneQuery layout");
NUVACALC_STATIC_ASSERT(offsetof(PersonalFortuneQuery, text) == 8, "PersonalFortuneQuery layout");
#if UINTPTR_MAX == 0xFFFFFFFFu
NUVACALC_STATIC_ASSERT(offsetof(PersonalFortuneQuery, note) == 12, "PersonalFortuneQuery layout");
NUVACALC_STATIC_ASSERT(sizeof(PersonalFortuneQuery) == 16, "PersonalFortuneQuery is 16 bytes");
#else
NUVACALC_STATIC_ASSERT(offsetof(PersonalFortuneQuery, note) == 16, "PersonalFortuneQuery layout");
NUVACALC_STATIC_ASSERT(sizeof(PersonalFortuneQuery) == 24, "PersonalFortuneQuery is 24 bytes");
#endif

/* Looks the reading of (number, aspect) up. On a match sets text and note (note may be
 * null); otherwise, and for a null query, leaves everything as the caller left it. */
NUVACALC_API void GetPersonalFortune(PersonalFortuneQuery* query);

typedef void (*GetPersonalFortuneFunction)(PersonalFortuneQuery*);

#ifdef __cplusplus
}
#endif

#endif
