// Writes the two font images into DIR from an outline font: glyphs 32..122
// on the grid that drawstring reads, transparent (0) around them.
//
//   mkfonts DIR [FONTFILE]      FONTFILE: DejaVu Sans Bold, found by the build
#include <cstdio>
#include <string>

#include "fonts.h"

namespace
{

// The advance of every glyph, which is also its right limit: 31, and less
// for the few narrow ones.
struct Widths {
    int w[96];
    Widths(std::initializer_list<std::pair<char, int>> narrow)
    {
        for (int& v : w)
            v = 31;
        for (auto [c, v] : narrow)
            w[c - 32] = v;
    }
};

const Widths backwidths{{'!', 15}, {'1', 15}, {'I', 15}};
const Widths bigwidths{{'!', 18}, {'I', 16}, {'f', 24}, {'i', 16}, {'j', 21}, {'l', 16}, {'t', 25}};

// The back font: capitals only, wide, in hot chrome.
const FontSheet backsheet{514, 192, 32, 2, backwidths.w};
const Metrics backmetrics{31, 22, 22, true, 1.45};
const Look backlook{{{0.0, {255, 255, 230}},
                     {0.45, {255, 214, 90}},
                     {0.5, {196, 84, 24}},
                     {0.75, {240, 140, 40}},
                     {1.0, {255, 220, 120}}},
                    {36, 12, 48},
                    {90, 30, 110},
                    2};

// The big font: capitals and lower case in ice chrome.
const FontSheet bigsheet{512, 270, 45, 1, bigwidths.w};
const Metrics bigmetrics{36, 26, 29, false, 1.2};
const Look biglook{{{0.0, {240, 255, 255}},
                    {0.45, {120, 210, 255}},
                    {0.5, {20, 60, 160}},
                    {0.8, {60, 140, 230}},
                    {1.0, {190, 240, 255}}},
                   {10, 16, 48},
                   {40, 40, 90},
                   2};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        fprintf(stderr, "usage: mkfonts DIR [FONTFILE]\n");
        return 2;
    }
    std::string dir = argv[1];
    Face face(argc == 3 ? argv[2] : FONTFILE);
    makefont(face, backsheet, backmetrics, backlook).save(dir + "/back-16x16.png");
    makefont(face, bigsheet, bigmetrics, biglook).save(dir + "/font-32x44.png");
    return 0;
}
