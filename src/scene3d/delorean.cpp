// The car mesh (placeholder until the real tables land).
#include "scene3d/scene3d.h"

const int vertdelorean[127 * 3] = {};
const unsigned facedelorean[238 * 3] = {};
const int tvertdelorean[288 * 3] = {};
const unsigned tfacedelorean[238 * 3] = {};
