// Writes the car and rings textures and the three flares into DIR.
#include <cmath>
#include <cstdio>
#include <string>

#include "image.h"

namespace {

Image checker(const std::string& name, Rgb a, Rgb b)
{
    Image img(256, 256);
    for (int y = 0; y < 256; y++)
        for (int x = 0; x < 256; x++)
            img.set(x, y, ((x / 32) ^ (y / 32)) & 1 ? a : b);
    drawlabel(img, 8, 120, 2, name, {255, 255, 255});
    return img;
}

// A bright core fading to pure black at the edge, so the additive blend
// leaves no square.
Image flare(Rgb c)
{
    Image img(64, 64);
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++) {
            double d = std::hypot(x - 31.5, y - 31.5) / 32.0;
            double k = d >= 1 ? 0 : (1 - d) * (1 - d);
            img.set(x, y, {uint8_t(c.r * k), uint8_t(c.g * k), uint8_t(c.b * k)});
        }
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: mktextures DIR\n");
        return 2;
    }
    std::string dir = argv[1];
    checker("car", {180, 180, 190}, {90, 90, 100}).save(dir + "/car.png");
    checker("2torus", {240, 160, 40}, {40, 80, 200}).save(dir + "/2torus.png");
    flare({120, 255, 120}).save(dir + "/flare-green.png");
    flare({255, 255, 120}).save(dir + "/flare-yellow.png");
    flare({255, 90, 60}).save(dir + "/flare-red2.png");
    return 0;
}
