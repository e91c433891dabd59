#include "pictures.h"
Image sidekickpicture() { return Image(320, 240); }
