// Interference circles: two windows into the ring bitmap, xor, two colours.
#include <gtest/gtest.h>

#include "base/base.h"
#include "effects/effects.h"
#include "support.h"

namespace
{

const Uint16 orange = 0xF300, paleyellow = 0xFF65;

class Interference : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        setupscreen();
        for (int p = 0; p < 76800; p++)
            pixels(screen)[p] = 0x1234; // what the scene before left
    }
    void place(int x1, int y1, int x2, int y2) { ix1 = x1, iy1 = y1, ix2 = x2, iy2 = y2; }
    Uint16 at(int x, int y) { return pixels(screen)[y * 320 + x]; }
};

// Every pixel is written, orange exactly where one window shows a ring, at
// the path's middle and at the offsets nearest the bitmap's edges.
TEST_F(Interference, EveryPixelIsTheXorOfBothWindows)
{
    const int offsets[][4] = {{90, 130, 100, 122}, {2, 58, 188, 240}, {178, 143, 12, 122}};
    for (auto& o : offsets) {
        place(o[0], o[1], o[2], o[3]);
        drawinterference();
        for (int y = 0; y < 240; y++)
            for (int x = 0; x < 320; x++) {
                int a = interf[(y + iy1) * 512 + x + ix1];
                int b = interf[(y + iy2) * 512 + x + ix2];
                ASSERT_EQ(at(x, y), a != b ? orange : paleyellow) << x << "," << y;
            }
    }
}

// Both windows over the same cells: every ring meets itself.
TEST_F(Interference, CoincidingWindowsCancel)
{
    place(50, 60, 50, 60);
    drawinterference();
    for (int p = 0; p < 76800; p++)
        ASSERT_EQ(pixels(screen)[p], paleyellow) << p;
}

} // namespace
