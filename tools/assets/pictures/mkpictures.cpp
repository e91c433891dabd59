// Writes the scene pictures into DIR: placeholders named large over a
// gradient and a grid.
#include <cstdio>
#include <string>

#include "image.h"

namespace {

Image placeholder(int w, int h, const std::string& name, Rgb tint)
{
    Image img(w, h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            bool grid = x % 32 == 0 || y % 32 == 0;
            int shade = 40 + 160 * y / h;
            Rgb c{uint8_t(tint.r * shade / 255), uint8_t(tint.g * shade / 255),
                  uint8_t(tint.b * shade / 255)};
            img.set(x, y, grid ? Rgb{200, 200, 200} : c);
        }
    int scale = labelwidth(name, 3) <= w - 8 ? 3 : 2;
    drawlabel(img, (w - labelwidth(name, scale)) / 2, h / 2 - 10, scale, name,
              {255, 255, 255});
    return img;
}

// Keyed overlays: white shows the scene through; a dark block stands in for
// the character.
Image overlay(const std::string& name, int x0, int x1)
{
    Image img(320, 240);
    img.fill(0, 0, 320, 240, {255, 255, 255});
    img.fill(x0, 40, x1, 240, {40, 20, 60});
    drawlabel(img, x0 + 4, 200, 2, name, {250, 200, 0});
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: mkpictures DIR\n");
        return 2;
    }
    std::string dir = argv[1];
    placeholder(320, 240, "zellogo", {255, 140, 40}).save(dir + "/zellogo.png");
    placeholder(320, 240, "1988", {255, 60, 160}).save(dir + "/1988.png");
    placeholder(320, 240, "green", {60, 255, 80}).save(dir + "/green.png");
    placeholder(256, 240, "sinitausta", {80, 120, 255}).save(dir + "/sinitausta.png");
    placeholder(320, 240, "mirvroto", {255, 220, 80}).save(dir + "/mirvroto.png");
    placeholder(320, 240, "psykedelik", {200, 80, 255}).save(dir + "/psykedelik.png");
    placeholder(320, 240, "groovy", {255, 120, 120}).save(dir + "/groovy.png");
    overlay("afro", 0, 120).save(dir + "/afro.png");
    overlay("sidekick", 210, 320).save(dir + "/sidekick.png");
    return 0;
}
