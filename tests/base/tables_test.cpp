// The start-up tables: the values every scene relies on.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/base.h"
#include "support.h"

TEST(Tables, AnglesTruncateTowardZero)
{
    setupscreen();
    EXPECT_EQ(sini[0], 0);
    EXPECT_EQ(kosi[0], -256);
    EXPECT_EQ(sini[157], -255);
    EXPECT_EQ(kosi[157], 0);
    EXPECT_EQ(sini[314], 0);
    EXPECT_EQ(kosi[314], 255);
    EXPECT_EQ(sini[471], 255);
    EXPECT_EQ(sini[628], 0);
    EXPECT_EQ(kosi[628], -255);
    EXPECT_EQ(rotocos[314], 510);
    for (int i = 0; i < 629; i++) {
        EXPECT_EQ(rotosin[i], sini[i]);
        EXPECT_EQ(rotocos[i], 2 * kosi[i]);
    }
}

TEST(Tables, ScrollerWaves)
{
    setupscreen();
    EXPECT_EQ(scrl1[0], 50);
    EXPECT_EQ(scrl2[0], 100);
    EXPECT_EQ(scrl3[0], 150);
    EXPECT_EQ(*std::min_element(scrl1, scrl1 + 419), 31);
    EXPECT_EQ(*std::max_element(scrl1, scrl1 + 419), 69);
    EXPECT_EQ(*std::min_element(scrl2, scrl2 + 419), 81);
    EXPECT_EQ(*std::max_element(scrl2, scrl2 + 419), 119);
    EXPECT_EQ(*std::min_element(scrl3, scrl3 + 419), 141);
    EXPECT_EQ(*std::max_element(scrl3, scrl3 + 419), 159);
}

TEST(Tables, CarWobbleRoundsBeforeTheSignFlip)
{
    setupscreen();
    EXPECT_EQ(deloreanwarp[0], 0);
    EXPECT_EQ(deloreanwarp[1], 0);
    EXPECT_EQ(deloreanwarp[2], 1);
    EXPECT_EQ(*std::min_element(deloreanwarp, deloreanwarp + 256), -50);
    EXPECT_EQ(*std::max_element(deloreanwarp, deloreanwarp + 256), 49);
}

TEST(Tables, RowStartsAndFontWidths)
{
    setupscreen();
    EXPECT_EQ(ymult[320], 102400);
    EXPECT_EQ(yintf[512], 262144);
    int narrowback[] = {1, 17, 41};
    for (int g = 0; g < 96; g++) {
        bool narrow = std::count(narrowback, narrowback + 3, g) > 0;
        EXPECT_EQ(backfontwidth[g], narrow ? 15 : 31) << g;
    }
    const int big[][2] = {{1, 18}, {41, 16}, {70, 24}, {73, 16}, {74, 21}, {76, 16}, {84, 25}};
    int wide = 0;
    for (auto [g, w] : big)
        EXPECT_EQ(bigfontwidth[g], w) << g;
    for (int g = 0; g < 96; g++)
        wide += bigfontwidth[g] == 31;
    EXPECT_EQ(wide, 96 - 7);
}

TEST(Tables, ScrollerScratchStartsClear)
{
    setupscreen();
    const Uint16* p = static_cast<const Uint16*>(tempbuff->pixels);
    EXPECT_EQ(tempbuff->w, 320);
    EXPECT_EQ(tempbuff->h, 240);
    EXPECT_EQ(distlens->w, 128);
    EXPECT_EQ(std::count(p + 30720, p + 76800, 0), 76800 - 30720);
}
