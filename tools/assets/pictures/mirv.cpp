#include "pictures.h"
Image mirvpicture() { return Image(320, 240); }
