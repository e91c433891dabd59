// The drawing pass: every scene decision of a frame, in the fixed order in
// which later steps draw over earlier ones.
#include "effects/effects.h"
#include "scene3d/scene3d.h"
#include "sequencer/sequencer.h"

void drawframe()
{
    // The clear and the full-screen backgrounds.
    if (clearr != 0)
        clearscreen();
    if (ao == Scene::logo)
        copyscreen(quorvastlogo);
    if (ao == Scene::logo1988)
        copyscreen(logo1988);
    if (ao == Scene::flyin)
        copyscreen(greenbg);
    if (ao == Scene::warp)
        drawwarp(framepierr);

    // The object scenes.
    if (ao == Scene::rings)
        drawrings();
    if (ao == Scene::flyin)
        drawcarflyin(framedelay);
    if (ao == Scene::warp)
        drawcarwarp(framedelay);

    // The words over the car, and the closing word, which clears by itself
    // whatever clearr says.
    drawtexts1();
    if (ao == Scene::closing)
        drawclosing();

    // The 2D effects; the lens and the rotozoomer start from one picture.
    if (ao == Scene::scrollers)
        drawscrollers();
    if (ao == Scene::lens || ao == Scene::rotozoomer)
        copymirv();
    if (ao == Scene::interference)
        drawinterference();
    if (ao == Scene::rotozoomer)
        drawrotozoomer();
    if (ao == Scene::twister)
        drawtwister();
    if (ao == Scene::lens)
        drawlens();

    // The later words, over everything.
    drawtexts2();
}
