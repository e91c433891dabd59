// The window's whole-number scale on desktops of common sizes.
#include <gtest/gtest.h>

#include "window.h"

TEST(WindowScale, LargestWholeFactorThatLeavesRoomForPanels)
{
    EXPECT_EQ(fitfactor(320, 240, 1920, 1080), 4); // 1280 x 960
    EXPECT_EQ(fitfactor(320, 240, 2560, 1440), 5);
    EXPECT_EQ(fitfactor(320, 240, 3840, 2160), 8);
    EXPECT_EQ(fitfactor(320, 240, 1366, 768), 2);
    EXPECT_EQ(fitfactor(320, 240, 1280, 1024), 3); // the width limits: 4 x 320 fills it
    // 4 x 240 = 960 would fill all of 1000 rows, leaving no room for a panel.
    EXPECT_EQ(fitfactor(320, 240, 1920, 1000), 3);
}

TEST(WindowScale, NeverBelowOneOnSmallOrUnknownDesktops)
{
    EXPECT_EQ(fitfactor(320, 240, 640, 480), 1);
    EXPECT_EQ(fitfactor(320, 240, 320, 240), 1);
    EXPECT_EQ(fitfactor(320, 240, 0, 0), 1);
}
