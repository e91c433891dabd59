// The picture under the lens and the rotozoomer, copied whole once a frame.
#include <cstring>

#include "effects/effects.h"
#include "runtime/runtime.h"

void copymirv() { memcpy(screen->pixels, mirv->pixels, size * sizeof(Uint16)); }
