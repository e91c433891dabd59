#include "pictures.h"
Image groovypicture() { return Image(320, 240); }
