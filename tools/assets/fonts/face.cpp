// FreeType behind the Face of fonts.h: one face, 8-bit anti-aliased glyphs.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "fonts.h"

struct Face::Impl {
    FT_Library lib;
    FT_Face face;
};

Face::Face(const std::string& path) : impl(new Impl)
{
    if (FT_Init_FreeType(&impl->lib) || FT_New_Face(impl->lib, path.c_str(), 0, &impl->face)) {
        fprintf(stderr, "mkfonts: cannot read the font %s\n", path.c_str());
        exit(1);
    }
}

Face::~Face()
{
    FT_Done_Face(impl->face);
    FT_Done_FreeType(impl->lib);
    delete impl;
}

Glyph Face::render(int code, int px, double sx) const
{
    FT_Face f = impl->face;
    FT_Set_Pixel_Sizes(f, 0, px);
    // The stretch is applied to the outline before it is rasterised, so a
    // widened letter keeps clean anti-aliased edges.
    FT_Matrix m{FT_Fixed(std::lround(sx * 65536)), 0, 0, 0x10000};
    FT_Set_Transform(f, &m, nullptr);
    if (FT_Load_Char(f, FT_ULong(code), FT_LOAD_RENDER | FT_LOAD_NO_HINTING)) {
        fprintf(stderr, "mkfonts: cannot render character %d\n", code);
        exit(1);
    }
    const FT_Bitmap& bm = f->glyph->bitmap;
    Glyph g;
    g.cov = Coverage(int(bm.width), int(bm.rows));
    for (int y = 0; y < g.cov.h; y++)
        for (int x = 0; x < g.cov.w; x++)
            g.cov.a[size_t(y) * g.cov.w + x] = bm.buffer[y * bm.pitch + x];
    g.left = f->glyph->bitmap_left;
    g.top = f->glyph->bitmap_top;
    return g;
}
