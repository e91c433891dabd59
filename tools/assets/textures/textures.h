// The textures and sprites of the object scenes.
#pragma once

#include "image.h"

Image cartexture();          // car.png, 256 x 256, laid out for the car's texture vertices
Image ringtexture();         // 2torus.png, 256 x 256, laid out for the rings
Image flaresprite(int kind); // 64 x 64: 0 green, 1 yellow, 2 red
