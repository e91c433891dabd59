// The scene pictures, one function each, and the touches they share.
#pragma once

#include "canvas.h"
#include "image.h"

Image logopicture();     // zellogo.png: the group's name in chrome
Image retropicture();    // 1988.png: the year over a sunset and a grid
Image greenpicture();    // green.png: the sky the car flies in through
Image warppicture();     // sinitausta.png: speed streaks, 256 wide, tiling
Image mirvpicture();     // mirvroto.png: spheres over a chequered floor
Image psykepicture();    // psykedelik.png: the rings' backdrop
Image groovypicture();   // groovy.png: the twister's backdrop
Image afropicture();     // afro.png: keyed overlay, figure on the left
Image sidekickpicture(); // sidekick.png: keyed overlay, figure on the right

// Adds a four-pointed sparkle of the given size and strength at c.
void sparkle(Canvas& cv, Vec c, double size, double strength, Col tint = {1, 1, 1});
// A floor of grid lines below the horizon, seen from a camera `height`
// above it: 0..1, how much of a line covers p. Lines keep about one pixel
// of width at any distance; each square is `cell` wide.
double floorgrid(Vec p, double horizon, double height, double cell);
// Stars on the canvas where mask(p) > 0: n random points, brighter few.
void stars(Canvas& cv, unsigned seed, int n, Col tint, const std::function<double(Vec)>& mask);
