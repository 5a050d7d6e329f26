/* Nuvacalc: the fortune engine's public C interface. */
#ifndef NUVACALC_H
#define NUVACALC_H

#include "nuvacalc_api.h"
#include "nuvacalc_soul.h"
#include "nuvacalc_unsei.h"
/* The engine's readings add their headers below. */
#include "nuvacalc_readings.h"
#include "nuvacalc_personal.h"

#endif
