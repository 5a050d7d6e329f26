/* Names to numbers: the stroke lookup and one person's soul numbers (SoulRecord).
 * SoulRecord is shared in memory by the engine, the program and the plug-ins; this is
 * its one declaration. */
#ifndef NUVACALC_SOUL_H
#define NUVACALC_SOUL_H

#include <stddef.h>
#include <stdint.h>

#include "nuvacalc_api.h"

#ifdef __cplusplus
extern "C" {
#endif

enum {
  kSoulMaxCharacters = 20, /* stroke entries per name part */
  kSoulNameBytes = 40,     /* bytes of each name field, terminator included */
  kSoulSumCount = 9        /* honsyou ... jinkakuB */
};

/* One person's name parts, stroke counts, nine sums, their inner and outer numbers and
 * flags. The caller zero-fills it, copies sei and mei in (CP932, zero-terminated) and
 * calls CalculateSoul, which writes every other field. 268 bytes, no pointers. */
typedef struct SoulRecord {
  int16_t seiStroke[20]; /* surname counts; a one-character surname is 1, count */
  int16_t meiStroke[20]; /* given-name counts; a one-character given name is count, 1 */
  char sei[40];          /* surname, CP932 */
  char mei[40];          /* given name, CP932 */
  uint16_t seiCount;     /* entries in seiStroke (2 to 20 after success) */
  uint16_t meiCount;     /* entries in meiStroke (2 to 20 after success) */
  int16_t honsyou;       /* 本性: all strokes */
  int16_t syakai;        /* 社会的性格: surname strokes */
  int16_t ninki;         /* 人気運: surname + second half of the given name */
  int16_t shigoto;       /* 仕事運: surname + first half of the given name */
  int16_t chikaku;       /* 地格: given-name strokes */
  int16_t aijyou;        /* 愛情運: given name + second half of the surname */
  int16_t shinrei;       /* 心霊運: given name + first half of the surname */
  int16_t jinkakuA;      /* 人格Ａ: first half of surname + second half of given name */
  int16_t jinkakuB;      /* 人格Ｂ: first half of given name + second half of surname */
  int16_t inner[9];      /* inner number of each sum, honsyou ... jinkakuB */
  int16_t outer[9];      /* outer number of each sum, same order */
  int32_t is22[9];       /* 1 where the sum is 22 */
  int32_t syakaiShinreiMatch; /* outer numbers of syakai and shinrei equal */
  int32_t ninkiAijyouMatch;   /* outer numbers of ninki and aijyou equal */
  int32_t jinkakuMatch;       /* outer numbers of jinkakuA and jinkakuB equal */
} SoulRecord;

#ifdef __cplusplus
#define NUVACALC_STATIC_ASSERT(condition, message) static_assert(condition, message)
#else
#define NUVACALC_STATIC_ASSERT(condition, message) _Static_assert(condition, message)
#endif

NUVACALC_STATIC_ASSERT(sizeof(SoulRecord) == 268, "SoulRecord is 268 bytes");
NUVACALC_STATIC_ASSERT(offsetof(SoulRecord, seiStroke) == 0, "SoulRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(SoulRecord, meiStroke) == 40, "SoulRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(SoulRecord, sei) == 80, "SoulRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(SoulRecord, mei) == 120, "SoulRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(SoulRecord, seiCount) == 160, "SoulRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(SoulRecord, meiCount) == 162, "SoulRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(SoulRecord, honsyou) == 164, "SoulRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(SoulRecord, syakai) == 166, "SoulRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(SoulRecord, ninki) == 168, "SoulRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(SoulRecord, shigoto) == 170, "SoulRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(SoulRecord, chikaku) == 172, "SoulRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(SoulRecord, aijyou) == 174, "SoulRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(SoulRecord, shinrei) == 176, "SoulRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(SoulRecord, jinkakuA) == 178, "SoulRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(SoulRecord, jinkakuB) == 180, "SoulRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(SoulRecord, inner) == 182, "SoulRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(SoulRecord, outer) == 200, "SoulRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(SoulRecord, is22) == 220, "SoulRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(SoulRecord, syakaiShinreiMatch) == 256, "SoulRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(SoulRecord, ninkiAijyouMatch) == 260, "SoulRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(SoulRecord, jinkakuMatch) == 264, "SoulRecord layout");

/* Turns a zero-terminated CP932 name into one stroke count per double-byte character
 * (255 for a character without a row), followed by a zero, in counts[0 .. capacity-1].
 * Returns 1 when every character was found, 0 when one was not or the buffer filled up
 * (or capacity < 1, or a null pointer was passed; nothing is written then). */
NUVACALC_API int GetKanjiStroke(const char* name, unsigned char* counts, int capacity);

/* Fills record's stroke counts, sums, numbers and flags from its sei and mei. Returns 1
 * on success, 0 when a name cannot be read; fields of later steps stay untouched then.
 * Reads at most the 40 bytes of each name field, terminated or not. */
NUVACALC_API int CalculateSoul(SoulRecord* record);

typedef int (*GetKanjiStrokeFunction)(const char*, unsigned char*, int);
typedef int (*CalculateSoulFunction)(SoulRecord*);

#ifdef __cplusplus
}
#endif

#endif
