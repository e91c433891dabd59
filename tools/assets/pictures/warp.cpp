#include "pictures.h"
Image warppicture() { return Image(256, 240); }
