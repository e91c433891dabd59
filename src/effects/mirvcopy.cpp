// The picture copy shared by the lens and the rotozoomer.
#include "effects/effects.h"

void copymirv() {}
