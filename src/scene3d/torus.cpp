// The interlinked rings mesh (placeholder until the real tables land).
#include "scene3d/scene3d.h"

const int vert2torus[385 * 3] = {};
const unsigned face2torus[769 * 3] = {};
const int tvert2torus[778 * 3] = {};
const unsigned tface2torus[769 * 3] = {};
