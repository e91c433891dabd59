#include "upscale.h"

#include <cstring>

void upscale(const uint16_t* screen, int scale, uint8_t* out, int stride)
{
    for (int y = 0; y < SCREEN_H; y++) {
        uint8_t* row = out + static_cast<long>(y) * scale * stride;
        uint8_t* px = row;
        for (int x = 0; x < SCREEN_W; x++) {
            unsigned c = screen[y * SCREEN_W + x];
            unsigned r = c >> 11, g = (c >> 5) & 63, b = c & 31;
            uint8_t bgr0[4] = {uint8_t(b << 3 | b >> 2), uint8_t(g << 2 | g >> 4),
                               uint8_t(r << 3 | r >> 2), 0};
            for (int i = 0; i < scale; i++, px += 4)
                memcpy(px, bgr0, 4);
        }
        // The other rows of the square are copies of the first.
        for (int i = 1; i < scale; i++)
            memcpy(row + i * stride, row, static_cast<size_t>(SCREEN_W) * scale * 4);
    }
}
