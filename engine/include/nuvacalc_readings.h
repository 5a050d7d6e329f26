/* The engine's pair readings: love compatibility (GetAijyouAisyou), the intimate side of
 * one person's 愛情運 (GetSexAisyou), love tactics (GetAijyouKouryaku), tactics for
 * friends and business contacts (GetNinkiKouryaku) and work evaluation
 * (GetShigotoHyouka).
 *
 * Use: zero-fill a record, set its inputs (sums taken from the two people's SoulRecords),
 * call the export. Every export fills all its outputs and returns 1; none reports a
 * failure. Each output text is a zero-terminated CP932 constant of the engine library,
 * valid while the library is loaded; a sum whose reading index lies outside the tables
 * (a multiple of ten from 230 up) gives the empty text, never a null pointer.
 *
 * Sums are read as unsigned 16-bit values. "self" is the person who asks (自分), "partner"
 * the person asked about (相手). */
#ifndef NUVACALC_READINGS_H
#define NUVACALC_READINGS_H

#include <stddef.h>
#include <stdint.h>

#include "nuvacalc_api.h"

#ifdef __cplusplus
extern "C" {
#endif

/* GetAijyouAisyou: what the partner likes or dislikes about you, what the partner wishes
 * from you, a three-part description of the partner (心霊運, 地格, 本性 texts that read as
 * one sentence in this order) and a compatibility percentage, 0 to 100. */
typedef struct AisyouRecord {
  int16_t selfHonsyou; /* in: the asker's 本性, 地格, 愛情運 and 心霊運 sums */
  int16_t selfChikaku;
  int16_t selfAijyou;
  int16_t selfShinrei;
  int16_t partnerHonsyou; /* in: the partner's four sums, same order */
  int16_t partnerChikaku;
  int16_t partnerAijyou;
  int16_t partnerShinrei;
  const char* whisper;            /* out: the partner's one-line whisper */
  const char* wish;               /* out: what the partner wishes from you */
  const char* partnerShinreiText; /* out: description, first part */
  const char* partnerChikakuText; /* out: description, second part */
  const char* partnerHonsyouText; /* out: description, third part */
  int32_t percentage;             /* out: compatibility, 0 to 100 */
} AisyouRecord;

/* GetSexAisyou: a woman's whisper and a paragraph on the intimate side of love for one
 * person's 愛情運 sum. */
typedef struct SexAisyouRecord {
  int16_t number;           /* in: the person's 愛情運 (aijyou) sum */
  const char* womanWhisper; /* out */
  const char* sexReading;   /* out */
} SexAisyouRecord;

/* The phrasing flag that opens the three tactics records: nonzero for the wistful
 * whisper ("…のになあ！"), zero for the assertive one ("…わ！"). */

/* GetAijyouKouryaku: how to win the partner's love. */
typedef struct KouryakuRecord {
  int32_t wistful;     /* in: phrasing flag */
  int16_t selfHonsyou; /* in: the asker's four sums */
  int16_t selfChikaku;
  int16_t selfAijyou;
  int16_t selfShinrei;
  int16_t partnerHonsyou; /* in: the partner's four sums */
  int16_t partnerChikaku;
  int16_t partnerAijyou;
  int16_t partnerShinrei;
  const char* whisper;            /* out: what would make the partner feel loved */
  const char* partnerShinreiText; /* out: description, first part */
  const char* partnerChikakuText; /* out: description, second part */
  const char* partnerHonsyouText; /* out: description, third part */
  const char* weakness;           /* out: the partner's weak point */
  const char* tactic;             /* out: what to do about it */
  const char* feeling;            /* out: the partner's feeling about your love */
  const char* getMethod;          /* out: how to win the partner */
} KouryakuRecord;

/* GetNinkiKouryaku: how to win a friend or business contact. */
typedef struct NinkiRecord {
  int32_t wistful;        /* in: phrasing flag */
  int16_t selfSum1;       /* in: one of the asker's 本性 and 心霊運 sums */
  int16_t notRead1;       /* not read */
  int16_t selfSum2;       /* in: the other of the two */
  int16_t partnerHonsyou; /* in */
  int16_t notRead2;       /* not read */
  int16_t partnerNinki;   /* in: the partner's 人気運 */
  int16_t partnerShinrei; /* in */
  const char* whisper;            /* out */
  const char* partnerShinreiText; /* out: description, first part */
  const char* partnerHonsyouText; /* out: description, second part */
  const char* weakness;           /* out */
  const char* tactic;             /* out */
  const char* trueFeeling;        /* out: what the partner really thinks of you */
  const char* getMethod;          /* out */
} NinkiRecord;

/* GetShigotoHyouka: how the partner fits your work. */
typedef struct ShigotoRecord {
  int32_t wistful;        /* in: phrasing flag */
  int16_t notRead1;       /* not read */
  int16_t notRead2;       /* not read */
  int16_t selfShigoto;    /* in: the asker's 仕事運 */
  int16_t notRead3;       /* not read */
  int16_t partnerHonsyou; /* in */
  int16_t notRead4;       /* not read */
  int16_t partnerShigoto; /* in: the partner's 仕事運 */
  int16_t partnerShinrei; /* in */
  const char* whisper;            /* out */
  const char* partnerShinreiText; /* out: description, first part */
  const char* partnerHonsyouText; /* out: description, second part */
  const char* workLuck;           /* out: whether the partner can make the most of their work luck */
  const char* aid;                /* out: whether the partner can help your work */
  const char* workType;           /* out: the partner's kind of work luck */
} ShigotoRecord;

#ifndef NUVACALC_STATIC_ASSERT
#ifdef __cplusplus
#define NUVACALC_STATIC_ASSERT(condition, message) static_assert(condition, message)
#else
#define NUVACALC_STATIC_ASSERT(condition, message) _Static_assert(condition, message)
#endif
#endif

/* Field order and offsets. NUVACALC_READINGS_PTR(a, b): offset a with 4-byte pointers,
 * b with 8-byte pointers (each pointer aligned to its size). */
#if UINTPTR_MAX == 0xFFFFFFFFu
#define NUVACALC_READINGS_PTR(offset32, offset64) (offset32)
#else
#define NUVACALC_READINGS_PTR(offset32, offset64) (offset64)
#endif

NUVACALC_STATIC_ASSERT(offsetof(AisyouRecord, selfHonsyou) == 0, "AisyouRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(AisyouRecord, selfChikaku) == 2, "AisyouRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(AisyouRecord, selfAijyou) == 4, "AisyouRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(AisyouRecord, selfShinrei) == 6, "AisyouRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(AisyouRecord, partnerHonsyou) == 8, "AisyouRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(AisyouRecord, partnerChikaku) == 10, "AisyouRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(AisyouRecord, partnerAijyou) == 12, "AisyouRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(AisyouRecord, partnerShinrei) == 14, "AisyouRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(AisyouRecord, whisper) == 16, "AisyouRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(AisyouRecord, wish) == NUVACALC_READINGS_PTR(20, 24), "AisyouRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(AisyouRecord, partnerShinreiText) == NUVACALC_READINGS_PTR(24, 32), "AisyouRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(AisyouRecord, partnerChikakuText) == NUVACALC_READINGS_PTR(28, 40), "AisyouRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(AisyouRecord, partnerHonsyouText) == NUVACALC_READINGS_PTR(32, 48), "AisyouRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(AisyouRecord, percentage) == NUVACALC_READINGS_PTR(36, 56), "AisyouRecord layout");
NUVACALC_STATIC_ASSERT(sizeof(AisyouRecord) == NUVACALC_READINGS_PTR(40, 64), "AisyouRecord size");

NUVACALC_STATIC_ASSERT(offsetof(SexAisyouRecord, number) == 0, "SexAisyouRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(SexAisyouRecord, womanWhisper) == NUVACALC_READINGS_PTR(4, 8), "SexAisyouRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(SexAisyouRecord, sexReading) == NUVACALC_READINGS_PTR(8, 16), "SexAisyouRecord layout");
NUVACALC_STATIC_ASSERT(sizeof(SexAisyouRecord) == NUVACALC_READINGS_PTR(12, 24), "SexAisyouRecord size");

NUVACALC_STATIC_ASSERT(offsetof(KouryakuRecord, wistful) == 0, "KouryakuRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(KouryakuRecord, selfHonsyou) == 4, "KouryakuRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(KouryakuRecord, selfChikaku) == 6, "KouryakuRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(KouryakuRecord, selfAijyou) == 8, "KouryakuRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(KouryakuRecord, selfShinrei) == 10, "KouryakuRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(KouryakuRecord, partnerHonsyou) == 12, "KouryakuRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(KouryakuRecord, partnerChikaku) == 14, "KouryakuRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(KouryakuRecord, partnerAijyou) == 16, "KouryakuRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(KouryakuRecord, partnerShinrei) == 18, "KouryakuRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(KouryakuRecord, whisper) == NUVACALC_READINGS_PTR(20, 24), "KouryakuRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(KouryakuRecord, partnerShinreiText) == NUVACALC_READINGS_PTR(24, 32), "KouryakuRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(KouryakuRecord, partnerChikakuText) == NUVACALC_READINGS_PTR(28, 40), "KouryakuRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(KouryakuRecord, partnerHonsyouText) == NUVACALC_READINGS_PTR(32, 48), "KouryakuRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(KouryakuRecord, weakness) == NUVACALC_READINGS_PTR(36, 56), "KouryakuRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(KouryakuRecord, tactic) == NUVACALC_READINGS_PTR(40, 64), "KouryakuRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(KouryakuRecord, feeling) == NUVACALC_READINGS_PTR(44, 72), "KouryakuRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(KouryakuRecord, getMethod) == NUVACALC_READINGS_PTR(48, 80), "KouryakuRecord layout");
NUVACALC_STATIC_ASSERT(sizeof(KouryakuRecord) == NUVACALC_READINGS_PTR(52, 88), "KouryakuRecord size");

NUVACALC_STATIC_ASSERT(offsetof(NinkiRecord, wistful) == 0, "NinkiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(NinkiRecord, selfSum1) == 4, "NinkiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(NinkiRecord, notRead1) == 6, "NinkiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(NinkiRecord, selfSum2) == 8, "NinkiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(NinkiRecord, partnerHonsyou) == 10, "NinkiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(NinkiRecord, notRead2) == 12, "NinkiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(NinkiRecord, partnerNinki) == 14, "NinkiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(NinkiRecord, partnerShinrei) == 16, "NinkiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(NinkiRecord, whisper) == NUVACALC_READINGS_PTR(20, 24), "NinkiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(NinkiRecord, partnerShinreiText) == NUVACALC_READINGS_PTR(24, 32), "NinkiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(NinkiRecord, partnerHonsyouText) == NUVACALC_READINGS_PTR(28, 40), "NinkiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(NinkiRecord, weakness) == NUVACALC_READINGS_PTR(32, 48), "NinkiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(NinkiRecord, tactic) == NUVACALC_READINGS_PTR(36, 56), "NinkiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(NinkiRecord, trueFeeling) == NUVACALC_READINGS_PTR(40, 64), "NinkiRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(NinkiRecord, getMethod) == NUVACALC_READINGS_PTR(44, 72), "NinkiRecord layout");
NUVACALC_STATIC_ASSERT(sizeof(NinkiRecord) == NUVACALC_READINGS_PTR(48, 80), "NinkiRecord size");

NUVACALC_STATIC_ASSERT(offsetof(ShigotoRecord, wistful) == 0, "ShigotoRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(ShigotoRecord, notRead1) == 4, "ShigotoRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(ShigotoRecord, notRead2) == 6, "ShigotoRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(ShigotoRecord, selfShigoto) == 8, "ShigotoRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(ShigotoRecord, notRead3) == 10, "ShigotoRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(ShigotoRecord, partnerHonsyou) == 12, "ShigotoRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(ShigotoRecord, notRead4) == 14, "ShigotoRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(ShigotoRecord, partnerShigoto) == 16, "ShigotoRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(ShigotoRecord, partnerShinrei) == 18, "ShigotoRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(ShigotoRecord, whisper) == NUVACALC_READINGS_PTR(20, 24), "ShigotoRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(ShigotoRecord, partnerShinreiText) == NUVACALC_READINGS_PTR(24, 32), "ShigotoRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(ShigotoRecord, partnerHonsyouText) == NUVACALC_READINGS_PTR(28, 40), "ShigotoRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(ShigotoRecord, workLuck) == NUVACALC_READINGS_PTR(32, 48), "ShigotoRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(ShigotoRecord, aid) == NUVACALC_READINGS_PTR(36, 56), "ShigotoRecord layout");
NUVACALC_STATIC_ASSERT(offsetof(ShigotoRecord, workType) == NUVACALC_READINGS_PTR(40, 64), "ShigotoRecord layout");
NUVACALC_STATIC_ASSERT(sizeof(ShigotoRecord) == NUVACALC_READINGS_PTR(44, 72), "ShigotoRecord size");

#undef NUVACALC_READINGS_PTR

/* whisper from the partner's 愛情運 and whether the partner likes you; wish and the three
 * description parts from the partner's sums; percentage from both people's scores,
 * capped at 100. Returns 1 (a null record is left alone and gives 0). */
NUVACALC_API int GetAijyouAisyou(AisyouRecord* record);

/* Both texts from the reading index of number. Returns 1 (0 for a null record). */
NUVACALC_API int GetSexAisyou(SexAisyouRecord* record);

/* whisper, feeling and getMethod from the partner's 愛情運 (feeling: pleased when the
 * partner likes you, else displeased); the description, weakness and tactic from the
 * partner's sums. Returns 1 (0 for a null record). */
NUVACALC_API int GetAijyouKouryaku(KouryakuRecord* record);

/* whisper, trueFeeling and getMethod from the partner's 人気運 (trueFeeling: good when
 * its outer number equals that of selfSum1 or selfSum2, else lukewarm); weakness and
 * tactic from the partner's 心霊運, or from the 本性 when the outer numbers of 心霊運 and
 * 人気運 agree. Returns 1 (0 for a null record). */
NUVACALC_API int GetNinkiKouryaku(NinkiRecord* record);

/* Every text at the partner's 仕事運 except the description; workLuck tells whether the
 * partner's 本性 or 心霊運 supports the partner's own 仕事運, aid whether it supports
 * yours. Returns 1 (0 for a null record). */
NUVACALC_API int GetShigotoHyouka(ShigotoRecord* record);

typedef int (*GetAijyouAisyouFunction)(AisyouRecord*);
typedef int (*GetSexAisyouFunction)(SexAisyouRecord*);
typedef int (*GetAijyouKouryakuFunction)(KouryakuRecord*);
typedef int (*GetNinkiKouryakuFunction)(NinkiRecord*);
typedef int (*GetShigotoHyoukaFunction)(ShigotoRecord*);

#ifdef __cplusplus
}
#endif

#endif
