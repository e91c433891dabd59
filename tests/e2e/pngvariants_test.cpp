// The kinds of PNG a picture may come in: palette, grey, 16 bits a sample,
// an alpha channel, interlaced. Each must load and draw the very frame its
// plain 8-bit RGB twin draws.
#include <SDL_image.h>
#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "e2e.h"
#include "image.h"

namespace fs = std::filesystem;

namespace
{

// Writes rows of `bytes` per pixel with libpng in the given colour type and
// depth; a palette when one is given.
void writepng(const fs::path& path, int w, int h, int colortype, int depth, int bytes,
              const std::function<void(int x, int y, uint8_t* px)>& pixel,
              const std::vector<png_color>& palette = {}, bool interlaced = false)
{
    FILE* f = fopen(path.c_str(), "wb");
    ASSERT_TRUE(f);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, f);
    png_set_IHDR(png, info, w, h, depth, colortype,
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!palette.empty())
        png_set_PLTE(png, info, palette.data(), int(palette.size()));
    std::vector<std::vector<uint8_t>> rows(h, std::vector<uint8_t>(size_t(w) * bytes));
    std::vector<png_bytep> pointers;
    for (int y = 0; y < h; y++) {
        for (int x = 0; x < w; x++)
            pixel(x, y, rows[y].data() + size_t(x) * bytes);
        pointers.push_back(rows[y].data());
    }
    png_set_rows(png, info, pointers.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    fclose(f);
}

struct Variants : ::testing::Test {
    fs::path dir, logo;
    Image picture{320, 240};

    void SetUp() override
    {
        std::string tmpl = (fs::temp_directory_path() / "demo-variants-XXXXXX").string();
        ASSERT_TRUE(mkdtemp(tmpl.data()));
        dir = tmpl;
        fs::copy(DEMO_RUN_DIR, dir, fs::copy_options::recursive);
        logo = dir / "data/zellogo.png";
        // The logo as 8-bit RGB, whatever the file holds.
        SDL_Surface* loaded = IMG_Load(logo.c_str());
        ASSERT_TRUE(loaded);
        SDL_Surface* rgb =
            SDL_CreateRGBSurface(SDL_SWSURFACE, 320, 240, 32, 0xFF0000, 0xFF00, 0xFF, 0);
        SDL_BlitSurface(loaded, nullptr, rgb, nullptr);
        for (int y = 0; y < 240; y++)
            for (int x = 0; x < 320; x++) {
                Uint32 p = static_cast<Uint32*>(rgb->pixels)[y * rgb->pitch / 4 + x];
                picture.set(x, y, {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)});
            }
        SDL_FreeSurface(rgb);
        SDL_FreeSurface(loaded);
    }
    void TearDown() override { fs::remove_all(dir); }

    // The logo scene's frame with the logo file as it is now.
    std::string frame()
    {
        fs::path raw = dir / "frame.raw";
        Replay r = replay("render 0 1 10\nsave " + raw.string() + "\n", "--offset 0", dir.string());
        EXPECT_EQ(r.status, 0) << r.err;
        std::ifstream in(raw, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // The frame of `content` written as plain 8-bit RGB.
    std::string plainframe(const Image& content)
    {
        content.save(logo.string());
        return frame();
    }
};

} // namespace

TEST_F(Variants, EveryKindDrawsTheFrameOfItsPlainTwin)
{
    const Image& p = picture;
    auto at = [&](int x, int y) { return p.get(x, y); };
    std::string plain = plainframe(p);
    ASSERT_EQ(plain.size(), 153600u);

    writepng(logo, 320, 240, PNG_COLOR_TYPE_RGB, 16, 6, [&](int x, int y, uint8_t* o) {
        Rgb c = at(x, y);
        for (uint8_t v : {c.r, c.g, c.b})
            *o++ = v, *o++ = v; // v x 257, big-endian
    });
    EXPECT_EQ(frame(), plain) << "16-bit RGB";

    writepng(logo, 320, 240, PNG_COLOR_TYPE_RGB_ALPHA, 8, 4, [&](int x, int y, uint8_t* o) {
        Rgb c = at(x, y);
        o[0] = c.r, o[1] = c.g, o[2] = c.b, o[3] = 255;
    });
    EXPECT_EQ(frame(), plain) << "RGBA, opaque";

    writepng(
        logo, 320, 240, PNG_COLOR_TYPE_RGB, 8, 3,
        [&](int x, int y, uint8_t* o) {
            Rgb c = at(x, y);
            o[0] = c.r, o[1] = c.g, o[2] = c.b;
        },
        {}, true);
    EXPECT_EQ(frame(), plain) << "interlaced";

    // Grey: the twin holds the same grey in all three channels.
    auto grey = [&](int x, int y) {
        Rgb c = at(x, y);
        return uint8_t((c.r * 77 + c.g * 150 + c.b * 29) >> 8);
    };
    Image greyed(320, 240);
    for (int y = 0; y < 240; y++)
        for (int x = 0; x < 320; x++)
            greyed.set(x, y, {grey(x, y), grey(x, y), grey(x, y)});
    std::string greyplain = plainframe(greyed);
    ASSERT_NE(greyplain, plain); // the file is what the frame shows
    writepng(logo, 320, 240, PNG_COLOR_TYPE_GRAY, 8, 1,
             [&](int x, int y, uint8_t* o) { *o = grey(x, y); });
    EXPECT_EQ(frame(), greyplain) << "grey";
    writepng(logo, 320, 240, PNG_COLOR_TYPE_GRAY, 16, 2,
             [&](int x, int y, uint8_t* o) { o[0] = o[1] = grey(x, y); });
    EXPECT_EQ(frame(), greyplain) << "16-bit grey";
    writepng(logo, 320, 240, PNG_COLOR_TYPE_GRAY_ALPHA, 8, 2,
             [&](int x, int y, uint8_t* o) { o[0] = grey(x, y), o[1] = 255; });
    EXPECT_EQ(frame(), greyplain) << "grey and alpha";

    // Palette: 3-3-2 bits of red, green and blue, 256 entries.
    std::vector<png_color> palette(256);
    for (int i = 0; i < 256; i++)
        palette[i] = {uint8_t(i & 0xE0), uint8_t((i << 3) & 0xE0), uint8_t((i << 6) & 0xC0)};
    auto index = [&](int x, int y) {
        Rgb c = at(x, y);
        return uint8_t((c.r & 0xE0) | ((c.g & 0xE0) >> 3) | (c.b >> 6));
    };
    Image quantised(320, 240);
    for (int y = 0; y < 240; y++)
        for (int x = 0; x < 320; x++) {
            png_color c = palette[index(x, y)];
            quantised.set(x, y, {c.red, c.green, c.blue});
        }
    std::string quantisedplain = plainframe(quantised);
    writepng(
        logo, 320, 240, PNG_COLOR_TYPE_PALETTE, 8, 1,
        [&](int x, int y, uint8_t* o) { *o = index(x, y); }, palette);
    EXPECT_EQ(frame(), quantisedplain) << "palette";
}
