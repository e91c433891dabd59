// The rings' texture (placeholder until the real one lands).
#include "textures.h"

Image ringtexture()
{
    Image img(256, 256);
    for (int y = 0; y < 256; y++)
        for (int x = 0; x < 256; x++)
            img.set(x, y, ((x / 32) ^ (y / 32)) & 1 ? Rgb{240, 160, 40} : Rgb{40, 80, 200});
    drawlabel(img, 8, 120, 2, "2torus", {255, 255, 255});
    return img;
}
