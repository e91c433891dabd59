// Additive blending of RGB565 pixels, each channel held at its top.
#pragma once

#include <cstdint>

namespace raster
{

// All three channels in one sum. Half of each channel's sum, formed without
// the channels' low bits so nothing crosses into a neighbour, has its top bit
// set exactly when that channel overflows (bits 15, 10 and 4). The carries
// it sent into the next channel (bits 16, 11 and 5) are taken back and the
// overflowed channels filled with ones: bits 11-15 and 0-4 are the carry bit
// less the one five places down, the green bits 5-10 need the one six down.
inline uint16_t addsaturated(uint16_t d, uint16_t f)
{
    uint32_t a = d, b = f;
    uint32_t over = ((a & b) + (((a ^ b) & 0xF7DE) >> 1)) & 0x8410;
    uint32_t full = ((over << 1) - (over >> 4)) | ((over >> 5) & 0x20);
    return uint16_t((a + b - (over << 1)) | full);
}

} // namespace raster
