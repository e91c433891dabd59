// The drawing pass: every scene decision of a frame, in the fixed order in
// which later steps draw over earlier ones.
#include "effects/effects.h"
#include "scene3d/scene3d.h"
#include "sequencer/sequencer.h"

namespace
{

// Scenes that start from a drawing step writing every pixel of the screen
// without reading it: a picture copied whole, the warp, the interference.
// Whatever the pass drew before that step is never seen.
bool coversscreen(Scene s)
{
    switch (s) {
    case Scene::logo:
    case Scene::logo1988:
    case Scene::flyin:
    case Scene::warp:
    case Scene::rings:
    case Scene::closing:
    case Scene::lens:
    case Scene::rotozoomer:
    case Scene::interference:
    case Scene::twister:
        return true;
    default:
        return false;
    }
}

} // namespace

void drawframe()
{
    // The clear and the full-screen backgrounds; a clear that the scene
    // covers completely is skipped.
    if (clearr != 0 && !coversscreen(ao))
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
