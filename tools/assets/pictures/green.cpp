#include "pictures.h"
Image greenpicture() { return Image(320, 240); }
