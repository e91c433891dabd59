// Lettering: a line of text set with FreeType from a DejaVu face and turned
// into a signed distance field, so that it can be painted as a shape and
// bevelled.
#pragma once

#include <string>
#include <vector>

#include "canvas.h"

struct Type {
    const char* font;    // file name under the DejaVu font directory
    double height;       // pixel size of the face
    double widen = 1;    // horizontal stretch
    double slant = 0;    // shear: x moves by slant * height above the baseline
    double tracking = 0; // extra pixels between letters
};

// The text centred on `centre` (its inked box), sampled s times per pixel
// over a w x h picture. The distance is in pixels, negative inside.
struct Lettering {
    int w, h, s;
    std::vector<float> dist;
    double x0, y0, x1, y1;  // the inked box in pixels
    double at(Vec p) const; // bilinear between samples
    Shape shape() const;
};

Lettering setline(const Type& t, const std::string& text, Vec centre, int w, int h, int s);
