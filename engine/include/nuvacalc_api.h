/* Marks the engine's exports: visible from the library, found by name. */
#ifndef NUVACALC_API_H
#define NUVACALC_API_H

#define NUVACALC_API __attribute__((visibility("default")))

#endif
