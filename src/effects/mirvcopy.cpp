// The picture under the lens and the rotozoomer, copied whole once a frame.
#include <cstring>

#include "base/base.h"
#include "effects/effects.h"

void copymirv() { memcpy(screen->pixels, mirv->pixels, size * sizeof(Uint16)); }
