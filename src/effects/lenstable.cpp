// The lens displacement map.
#include "effects/effects.h"

int lens[16384];

void init_lens() {}
