/* Marks the engine's exports: visible from the library, found by name. */
#ifndef NUVACALC_API_H
#define NUVACALC_API_H

#define NUVACALC_API __attribute__((visibility("default")))

/* The engine library's file name (and soname) on this platform. */
#define NUVACALC_LIBRARY_FILE_NAME "libNuvacalc.so"

#endif
