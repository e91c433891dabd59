#include "pictures.h"
Image psykepicture() { return Image(320, 240); }
