// Cel-style drawing for the two cartoon figures: parts painted in order,
// each with a dark ink outline, lit softly from the upper left.
#pragma once

#include "canvas.h"
#include "shapes.h"

const Col ink = {0.09, 0.05, 0.07};
const double inkline = 1.5;

// A fill lit from the upper left: lighter towards -light, with a band of
// shade just inside the edge on the far side. `c` and `r` give the part's
// centre and size.
Fill lit(Col base, Vec c, double r);
// Paints a part in `fill` with the ink outline.
void part(Canvas& cv, const Shape& sh, const Fill& fill, double line = inkline);
