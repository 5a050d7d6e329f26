// The engine library's exports are defined in the files of this folder.
#include "nuvacalc.h"
