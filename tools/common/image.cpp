#include "image.h"

#include <cstdio>
#include <cstdlib>

#include "pngwrite.h"

void Image::set(int x, int y, Rgb c)
{
    if (x < 0 || y < 0 || x >= w || y >= h)
        return;
    uint8_t* p = &rgb[(size_t(y) * w + x) * 3];
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
}

Rgb Image::get(int x, int y) const
{
    const uint8_t* p = &rgb[(size_t(y) * w + x) * 3];
    return {p[0], p[1], p[2]};
}

void Image::save(const std::string& path) const
{
    std::string err = writepng(path, w, h, rgb.data());
    if (!err.empty()) {
        fprintf(stderr, "%s\n", err.c_str());
        exit(1);
    }
}
