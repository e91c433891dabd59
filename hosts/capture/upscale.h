// The demo's RGB565 screen widened to 8-bit RGB and enlarged by pixel
// repetition, so every screen pixel stays one sharp square.
#pragma once

#include <cstdint>

#include "base/base.h"

// Writes the 320 x 240 RGB565 `screen` as (320 * scale) x (240 * scale)
// pixels of four bytes, blue, green, red, 0 (FFmpeg's bgr0), rows `stride`
// bytes apart. Each channel is widened by repeating its top bits, so white
// stays 255 and black 0.
void upscale(const uint16_t* screen, int scale, uint8_t* out, int stride);
