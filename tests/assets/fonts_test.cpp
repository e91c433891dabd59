// The generated font images, as the demo sees them after conversion to
// RGB565: every glyph inside the area drawstring reads and within its
// width, transparent 0 everywhere else, and the same bytes on every run.
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/base.h"
#include "support.h"

namespace
{

struct Sheet {
    const char* name;
    const char* file;
    SDL_Surface** surface;
    int rowlen, minrows, cellh, first;
    const int* widths;
};

const Sheet sheets[] = {
    {"back", "back-16x16.png", &backfont, 514, 192, 32, 2, backfontwidth},
    {"big", "font-32x44.png", &fontti, 512, 270, 45, 1, bigfontwidth},
};

class FontImages : public ::testing::TestWithParam<Sheet>
{
  protected:
    void SetUp() override
    {
        setupscreen();
        ASSERT_EQ(loadrunpictures(), "");
    }
};

TEST_P(FontImages, HaveTheRowLengthAndRowsTheGridNeeds)
{
    const Sheet& s = GetParam();
    SDL_Surface* img = *s.surface;
    EXPECT_EQ(img->w, s.rowlen);
    EXPECT_GE(img->h, s.minrows);
    EXPECT_EQ(img->pitch, s.rowlen * 2) << "drawstring reads the rows back to back";
    EXPECT_EQ(img->format->BitsPerPixel, 16);
}

TEST_P(FontImages, GlyphsStayInsideTheirDrawnArea)
{
    const Sheet& s = GetParam();
    SDL_Surface* img = *s.surface;
    // The pixels drawstring may read: columns first..width-1 and rows
    // first..cellh-1 of the cells of glyphs 0..90.
    std::vector<int> owner(size_t(img->w) * img->h, -1);
    for (int g = 0; g <= 90; g++)
        for (int y = s.first; y < s.cellh; y++)
            for (int x = s.first; x < s.widths[g]; x++)
                owner[size_t(g / 16 * s.cellh + y) * img->w + g % 16 * 32 + x] = g;
    std::vector<int> lit(91);
    const Uint16* px = pixels(img);
    for (size_t i = 0; i < owner.size(); i++) {
        if (owner[i] < 0) {
            ASSERT_EQ(px[i], 0) << "outside every glyph at " << i % img->w << ", " << i / img->w;
        } else if (px[i]) {
            lit[owner[i]]++;
        }
    }
    EXPECT_EQ(lit[0], 0) << "the space is blank";
    for (int g = 1; g <= 90; g++)
        EXPECT_GT(lit[g], 20) << "glyph " << char(g + 32) << " is empty";
}

TEST_P(FontImages, NoPaintedPixelTurnsTransparent)
{
    // Black is the key: a painted colour too dark for RGB565 would punch a
    // hole in the glyph once converted.
    const Sheet& s = GetParam();
    SDL_Surface* rgb = IMG_Load((std::string(DEMO_RUN_DIR) + "/data/" + s.file).c_str());
    ASSERT_TRUE(rgb);
    ASSERT_EQ(rgb->format->BytesPerPixel, 3);
    const Uint16* px = pixels(*s.surface);
    for (int y = 0; y < rgb->h; y++)
        for (int x = 0; x < rgb->w; x++) {
            const Uint8* p = static_cast<const Uint8*>(rgb->pixels) + y * rgb->pitch + x * 3;
            bool painted = p[0] || p[1] || p[2];
            ASSERT_EQ(painted, px[y * rgb->w + x] != 0) << x << ", " << y;
        }
    SDL_FreeSurface(rgb);
}

INSTANTIATE_TEST_SUITE_P(BothFonts, FontImages, ::testing::ValuesIn(sheets),
                         [](const auto& info) { return std::string(info.param.name); });

std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(FontGenerator, GivesTheSameBytesOnEveryRun)
{
    char dir[] = "/tmp/fonts_testXXXXXX";
    ASSERT_TRUE(mkdtemp(dir));
    std::string run = std::string(DEMO_MKFONTS_BIN) + " " + dir;
    for (const Sheet& s : sheets) {
        std::string built = slurp(std::string(DEMO_RUN_DIR) + "/data/" + s.file);
        ASSERT_FALSE(built.empty());
        for (int i = 0; i < 2; i++) {
            ASSERT_EQ(system(run.c_str()), 0);
            EXPECT_TRUE(slurp(std::string(dir) + "/" + s.file) == built) << s.file;
        }
        std::remove((std::string(dir) + "/" + s.file).c_str());
    }
    std::remove(dir);
}

} // namespace
