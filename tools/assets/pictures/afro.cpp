#include "pictures.h"
Image afropicture() { return Image(320, 240); }
