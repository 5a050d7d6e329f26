/* Nuvacalc: the fortune engine's public C interface. */
#ifndef NUVACALC_H
#define NUVACALC_H

#define NUVACALC_API __attribute__((visibility("default")))

#include "nuvacalc_soul.h"
#include "nuvacalc_unsei.h"
/* The engine's readings add their headers below. */

#endif
