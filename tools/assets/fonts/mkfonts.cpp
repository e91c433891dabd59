// Writes the two font images into DIR: glyphs 32..122 on the grid that
// drawstring reads, transparent (0) around them.
#include <cstdio>
#include <string>

#include "image.h"

namespace {

// cellh: cell height; top: first drawn row; rowlen: image row length.
Image font(int rowlen, int cellh, int top, int rows, Rgb c)
{
    Image img(rowlen, rows);
    for (int g = 0; g <= 90; g++) {
        int sx = (g % 16) * 32, sy = (g / 16) * cellh;
        drawlabel(img, sx + 3, sy + top + 1, 4, std::string(1, char(g + 32)), c);
    }
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: mkfonts DIR\n");
        return 2;
    }
    std::string dir = argv[1];
    font(514, 32, 2, 192, {255, 220, 60}).save(dir + "/back-16x16.png");
    font(512, 45, 1, 270, {120, 200, 255}).save(dir + "/font-32x44.png");
    return 0;
}
