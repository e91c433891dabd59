// From the floating-point canvas to the 8-bit picture the demo loads. The
// demo converts each picture to RGB565 by dropping the low bits, so every
// channel is dithered here to a 5- or 6-bit level and written back with its
// bits repeated: the conversion then finds exactly the intended colour, and
// gradients keep no visible bands.
#pragma once

#include "canvas.h"
#include "image.h"

// Ordered dithering with an 8 x 8 Bayer matrix; tiles with any period that
// is a multiple of 8.
Image ordered(const Canvas& px);
// Floyd-Steinberg error diffusion along serpentine rows; the smoothest for
// pictures that need not tile.
Image diffused(const Canvas& px);
// A keyed overlay: pixels less than half covered become pure white, the key;
// covered pixels are dithered from colours held below near-white, so that
// none of them can turn into the key or pass for it.
Image keyed(const Canvas& px);

// The level a channel value 0..1 gets at `bits` bits, and its 8-bit form.
inline uint8_t widen(int level, int bits)
{
    return uint8_t(bits == 5 ? level << 3 | level >> 2 : level << 2 | level >> 4);
}
