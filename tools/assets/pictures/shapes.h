// Signed distance shapes for the canvas, and ways to combine them.
#pragma once

#include <vector>

#include "canvas.h"

Shape circle(Vec c, double r);
// An ellipse with radii rx, ry turned by angle (radians); the distance is a
// close estimate, good for outlines of even width.
Shape ellipse(Vec c, double rx, double ry, double angle = 0);
// A box of half-size hx, hy with corners rounded by r, turned by angle.
Shape rbox(Vec c, double hx, double hy, double r, double angle = 0);
// A segment from a to b, r thick on each side.
Shape capsule(Vec a, Vec b, double r);
// A closed polygon (any winding, may be concave).
Shape polygon(const std::vector<Vec>& pts);
// A smooth polygon: the corners of pts rounded into a closed curve through
// the midpoints of its edges (quadratic B-spline), flattened finely.
Shape blob(const std::vector<Vec>& pts);
// A cubic Bezier stroke whose half-width runs from r0 to r1.
Shape stroke(Vec a, Vec b, Vec c, Vec d, double r0, double r1);

Shape unite(const Shape& a, const Shape& b);
Shape intersect(const Shape& a, const Shape& b);
Shape subtract(const Shape& a, const Shape& b);
// Grows (r > 0) or shrinks the shape.
Shape grow(const Shape& a, double r);

// Points along a cubic Bezier, n + 1 of them.
std::vector<Vec> bezier(Vec a, Vec b, Vec c, Vec d, int n);
