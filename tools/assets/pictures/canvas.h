// Drawing in floating point before the pictures are dithered down to the
// screen's 16-bit colours: points, colours, shapes given as signed distance
// functions, and a supersampled canvas that paints them in layers.
#pragma once

#include <cmath>
#include <functional>
#include <vector>

struct Vec {
    double x, y;
};
inline Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
inline Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
inline Vec operator*(Vec a, double k) { return {a.x * k, a.y * k}; }
inline double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
inline double cross(Vec a, Vec b) { return a.x * b.y - a.y * b.x; }
inline double len(Vec a) { return std::sqrt(dot(a, a)); }

// A colour with channels in 0..1 (values above 1 are clipped when dithered).
struct Col {
    double r, g, b;
};
inline Col operator+(Col a, Col b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Col operator*(Col a, double k) { return {a.r * k, a.g * k, a.b * k}; }
inline Col operator*(Col a, Col b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
inline Col mix(Col a, Col b, double t) { return a * (1 - t) + b * t; }
// An 8-bit colour written the way artists pick them.
inline Col rgb(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }

inline double clamp01(double v) { return v < 0 ? 0 : v > 1 ? 1 : v; }
inline double smooth(double e0, double e1, double v)
{
    double t = clamp01((v - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

// A colour ramp: stops at increasing positions, linear in between.
struct Ramp {
    struct Stop {
        double at;
        Col c;
    };
    std::vector<Stop> stops;
    Col operator()(double t) const;
};

// A region of the plane as a signed distance (negative inside, in pixels)
// and the box outside which it is certainly empty.
struct Shape {
    std::function<double(Vec)> d;
    double x0, y0, x1, y1;
};

// How a shape is filled: the colour at point p, whose distance inside the
// shape is -d.
using Fill = std::function<Col(Vec p, double d)>;
inline Fill flat(Col c)
{
    return [c](Vec, double) { return c; };
}

// A canvas of w x h pixels, each sampled s x s times. Every drawing call takes
// coordinates in pixels; sample (i, j) sits at ((i + 0.5) / s, (j + 0.5) / s).
// The coverage channel says where something was painted (for the keyed
// overlays, whose uncovered parts become the transparent key).
struct Canvas {
    int w, h, s;
    std::vector<Col> c;
    std::vector<float> cover;

    Canvas(int width, int height, int samples);
    Vec at(int i, int j) const { return {(i + 0.5) / s, (j + 0.5) / s}; }
    // Sets every sample from a function of its position.
    void each(const std::function<Col(Vec)>& f);
    // Changes every sample from a function of its position and colour.
    void tint(const std::function<Col(Vec, Col)>& f);
    // Paints a shape, with an outline of width `line` in `ink` around it
    // (none when line is 0). Edges are hard at the sample level; the
    // supersampling smooths them.
    void paint(const Shape& sh, const Fill& fill, double line = 0, Col ink = {0, 0, 0});
    // Blends `fill` over the shape with opacity alpha(p, d) (no coverage change).
    void glaze(const Shape& sh, const Fill& fill, const std::function<double(Vec, double)>& alpha);
    // The average of each pixel's samples; coverage is the share of painted
    // samples and the colour the average over the painted ones only, so that
    // an edge never mixes with what lies outside.
    Canvas resolve() const;
};
