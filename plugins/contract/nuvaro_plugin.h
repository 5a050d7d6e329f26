/* The reading plug-in contract: the records and the fifteen C exports shared by the
 * program's plug-in host and every <Name>.nvr plug-in. Texts are zero-terminated CP932
 * byte strings owned by the plug-in; the program only reads them. */
#ifndef NUVARO_PLUGIN_H
#define NUVARO_PLUGIN_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define NVR_EXPORT __attribute__((visibility("default")))

/* Event id of a plug-in that has not been given one. */
#define NVR_NO_EVENT (-1)

/* Bytes of the buffer that NVRGetPlugName writes into, terminator included. */
#define NVR_PLUG_NAME_BYTES 256

/* Number of detail texts in a NuvaroData and of item captions in a DetailForm. */
#define NVR_DETAIL_COUNT 10

/* Group numbers: where a plug-in's entry stands in the guide menu. Group 6 gets an event
 * id but no menu entry; the board's own-face reading uses its first plug-in. */
#define NVR_GROUP_TACTICS 1
#define NVR_GROUP_COMPATIBILITY 4
#define NVR_GROUP_OWN_FACE 6

/* Texts of the plug-in's entry in the guide menu. */
typedef struct GuideForm {
  const char* seriesTitle;  /* title of the series (not shown) */
  const char* groupHeading; /* heading shown over a run of plug-ins of one group */
  const char* caption;      /* button text and main frame title */
  const char* explanation;  /* tip text of the button */
} GuideForm;

/* Upper and lower text of the menu bar while the reading is active. */
typedef struct MenuForm {
  const char* caption;
  const char* explanation;
} MenuForm;

/* Texts of the detail dialogs and printing. An item caption follows the other person's
 * name; an unused one is an empty string, never a null pointer. */
typedef struct DetailForm {
  const char* title; /* begins with the two-byte mark "●" */
  const char* explanation;
  const char* itemCaption[NVR_DETAIL_COUNT]; /* caption of detailText 1 .. 10 */
} DetailForm;

/* Texts around the pair percentage. */
typedef struct PersentageForm {
  const char* label;       /* caption of the board's percentage button */
  const char* title;       /* title of the explanation dialog */
  const char* explanation; /* text of that dialog, with line feeds */
} PersentageForm;

/* One person's nine sums, in this order. */
typedef struct SoulSums {
  int16_t honsyou;
  int16_t chikaku;
  int16_t syakai;
  int16_t aijyou;
  int16_t shinrei;
  int16_t ninki;
  int16_t shigoto;
  int16_t jinkakuA;
  int16_t jinkakuB;
} SoulSums;

/* The pair record of NVRGetNuvaroData: allocated and zero-filled by the program, which
 * fills the inputs; the plug-in fills the outputs. */
typedef struct NuvaroData {
  int32_t otherIsMale;                       /* in: 1 when the other person is male */
  SoulSums self;                             /* in: the user's sums */
  SoulSums other;                            /* in: the other person's sums */
  const char* balloonText;                   /* out: the balloon on the board */
  const char* detailText[NVR_DETAIL_COUNT];  /* out: detail texts 1 .. 10; unset ones stay null */
  int32_t percentage;                        /* out: 0 .. 100 */
} NuvaroData;

#ifdef __cplusplus
#define NVR_STATIC_ASSERT(condition, message) static_assert(condition, message)
#else
#define NVR_STATIC_ASSERT(condition, message) _Static_assert(condition, message)
#endif

NVR_STATIC_ASSERT(sizeof(SoulSums) == 18, "SoulSums is nine int16");
NVR_STATIC_ASSERT(offsetof(SoulSums, honsyou) == 0, "SoulSums order");
NVR_STATIC_ASSERT(offsetof(SoulSums, chikaku) == 2, "SoulSums order");
NVR_STATIC_ASSERT(offsetof(SoulSums, syakai) == 4, "SoulSums order");
NVR_STATIC_ASSERT(offsetof(SoulSums, aijyou) == 6, "SoulSums order");
NVR_STATIC_ASSERT(offsetof(SoulSums, shinrei) == 8, "SoulSums order");
NVR_STATIC_ASSERT(offsetof(SoulSums, ninki) == 10, "SoulSums order");
NVR_STATIC_ASSERT(offsetof(SoulSums, shigoto) == 12, "SoulSums order");
NVR_STATIC_ASSERT(offsetof(SoulSums, jinkakuA) == 14, "SoulSums order");
NVR_STATIC_ASSERT(offsetof(SoulSums, jinkakuB) == 16, "SoulSums order");

NVR_STATIC_ASSERT(offsetof(NuvaroData, otherIsMale) == 0, "NuvaroData order");
NVR_STATIC_ASSERT(offsetof(NuvaroData, self) == 4, "NuvaroData order");
NVR_STATIC_ASSERT(offsetof(NuvaroData, other) == 22, "NuvaroData order");
NVR_STATIC_ASSERT(offsetof(NuvaroData, balloonText) == 40, "NuvaroData order");
NVR_STATIC_ASSERT(offsetof(NuvaroData, detailText) == 40 + sizeof(const char*), "NuvaroData order");
NVR_STATIC_ASSERT(offsetof(NuvaroData, percentage) == 40 + 11 * sizeof(const char*), "NuvaroData order");
NVR_STATIC_ASSERT(sizeof(GuideForm) == 4 * sizeof(const char*), "GuideForm is four text pointers");
NVR_STATIC_ASSERT(sizeof(MenuForm) == 2 * sizeof(const char*), "MenuForm is two text pointers");
NVR_STATIC_ASSERT(sizeof(DetailForm) == 12 * sizeof(const char*), "DetailForm is twelve text pointers");
NVR_STATIC_ASSERT(sizeof(PersentageForm) == 3 * sizeof(const char*), "PersentageForm is three text pointers");
#if UINTPTR_MAX == 0xFFFFFFFFu
/* With 4-byte pointers the record has its fixed 88-byte layout. */
NVR_STATIC_ASSERT(offsetof(NuvaroData, detailText) == 44, "NuvaroData layout");
NVR_STATIC_ASSERT(offsetof(NuvaroData, percentage) == 84, "NuvaroData layout");
NVR_STATIC_ASSERT(sizeof(NuvaroData) == 88, "NuvaroData is 88 bytes");
#else
/* With 8-byte pointers: the same order, pointers aligned to 8. */
NVR_STATIC_ASSERT(offsetof(NuvaroData, detailText) == 48, "NuvaroData layout");
NVR_STATIC_ASSERT(offsetof(NuvaroData, percentage) == 128, "NuvaroData layout");
NVR_STATIC_ASSERT(sizeof(NuvaroData) == 136, "NuvaroData is 136 bytes");
#endif

/* The fifteen exports, found by these names. */
NVR_EXPORT int32_t NVRStartUp(void);
NVR_EXPORT void NVRCleanUp(void);
NVR_EXPORT const char* NVRGetPlugName(void);
NVR_EXPORT int32_t NVRVersionInfo(void* parentWindow);
NVR_EXPORT GuideForm* NVRGetGuideForm(GuideForm* form);
NVR_EXPORT MenuForm* NVRGetMenuForm(MenuForm* form);
NVR_EXPORT DetailForm* NVRGetDetailForm(DetailForm* form);
NVR_EXPORT PersentageForm* NVRGetPersentageForm(PersentageForm* form);
NVR_EXPORT int32_t NVRGetGroup(void);
NVR_EXPORT int32_t NVRIsViewWindow(void);
NVR_EXPORT void NVRViewCreate(void* parentWindow);
NVR_EXPORT int32_t NVRGetNuvaroData(NuvaroData* data);
NVR_EXPORT int32_t NVRSetEvent(int32_t eventId);
NVR_EXPORT int32_t NVRGetEvent(void);
NVR_EXPORT void NVRSetting(void* parentWindow);

/* Pointer types for binding the exports by name. */
typedef int32_t (*NVRStartUpFunction)(void);
typedef void (*NVRCleanUpFunction)(void);
typedef const char* (*NVRGetPlugNameFunction)(void);
typedef int32_t (*NVRVersionInfoFunction)(void*);
typedef GuideForm* (*NVRGetGuideFormFunction)(GuideForm*);
typedef MenuForm* (*NVRGetMenuFormFunction)(MenuForm*);
typedef DetailForm* (*NVRGetDetailFormFunction)(DetailForm*);
typedef PersentageForm* (*NVRGetPersentageFormFunction)(PersentageForm*);
typedef int32_t (*NVRGetGroupFunction)(void);
typedef int32_t (*NVRIsViewWindowFunction)(void);
typedef void (*NVRViewCreateFunction)(void*);
typedef int32_t (*NVRGetNuvaroDataFunction)(NuvaroData*);
typedef int32_t (*NVRSetEventFunction)(int32_t);
typedef int32_t (*NVRGetEventFunction)(void);
typedef void (*NVRSettingFunction)(void*);

#ifdef __cplusplus
}
#endif

#endif
