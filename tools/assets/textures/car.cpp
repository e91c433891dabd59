// The car's texture (placeholder until the paint job lands).
#include "textures.h"

Image cartexture()
{
    Image img(256, 256);
    for (int y = 0; y < 256; y++)
        for (int x = 0; x < 256; x++)
            img.set(x, y, ((x / 32) ^ (y / 32)) & 1 ? Rgb{180, 180, 190} : Rgb{90, 90, 100});
    drawlabel(img, 8, 120, 2, "car", {255, 255, 255});
    return img;
}
