// The font generator: outline glyphs rasterised with FreeType, fitted into
// the cells drawstring reads and painted as demo lettering.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image.h"

// 8-bit coverage, row by row.
struct Coverage {
    int w = 0, h = 0;
    std::vector<uint8_t> a;

    Coverage() = default;
    Coverage(int width, int height) : w(width), h(height), a(size_t(width) * height) {}
    uint8_t at(int x, int y) const
    {
        return x < 0 || y < 0 || x >= w || y >= h ? 0 : a[size_t(y) * w + x];
    }
};

// A rasterised glyph: its coverage and where it stands from the pen on the
// baseline (left: columns right of the pen; top: rows above the baseline).
struct Glyph {
    Coverage cov;
    int left = 0, top = 0;
};

// One outline font, opened once. Exits with a message when it cannot be read.
class Face
{
  public:
    explicit Face(const std::string& path);
    ~Face();
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;

    // The character at a pixel size, stretched horizontally by sx.
    Glyph render(int code, int px, double sx) const;

  private:
    struct Impl;
    Impl* impl;
};

// A colour at a height of the lettering: t = 0 at the cap line, 1 on the
// baseline.
struct Stop {
    double t;
    Rgb c;
};

struct Look {
    std::vector<Stop> gradient;
    Rgb outline; // one pixel around every glyph
    Rgb shadow;  // cast down and right of the outline
    int shadowdepth;
};

// How the lettering stands in its box: the part of a glyph's drawn area
// inside the outline and shadow.
struct Metrics {
    int px;            // pixel size of the face
    int capheight;     // rows from the cap line to the baseline
    int baseline;      // row of the baseline in the box
    bool smallcaps;    // lower case drawn as smaller capitals (at 4/5)
    double maxstretch; // how much wider a letter may be drawn than designed
};

struct FontSheet {
    int rowlen, rows, cellh, first;
    const int* widths; // advance and right limit of glyphs 0..95
};

// Fits the character into a box of w x h pixels: the baseline on row
// `baseline`, stretched towards the box width, never out of the box.
Coverage fitglyph(const Face& face, int code, const Metrics& m, int w, int h);

// Paints a fitted glyph at (x, y) of the sheet: body, outline and shadow.
void paintglyph(Image& img, int x, int y, const Coverage& glyph, const Look& look,
                const Metrics& m);

// The whole font image.
Image makefont(const Face& face, const FontSheet& sheet, const Metrics& m, const Look& look);
