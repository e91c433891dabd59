// 3D object pipeline: meshes, transform, depth order, object scenes.
#pragma once

// Mesh tables: rows of three 32-bit values (delorean.cpp, torus.cpp).
extern const int vertdelorean[127 * 3];
extern const unsigned facedelorean[238 * 3];
extern const int tvertdelorean[288 * 3];
extern const unsigned tfacedelorean[238 * 3];
extern const int vert2torus[385 * 3];
extern const unsigned face2torus[769 * 3];
extern const int tvert2torus[778 * 3];
extern const unsigned tface2torus[769 * 3];

// The pose of the object in view, written by the timeline (transform.cpp):
// the angle indices of the two rotations (0 to 627), the screen column and
// row of the model's origin, and the eye's place on the depth axis in units
// (negative: in front of the origin).
extern int xr, yr, offsetx, offsety, offsetz;

// Transform and projection (transform.cpp): view depth and screen position
// of each vertex.
extern int rz[700], kx[400], ky[400];
void calcpoints(const int* vert, int count);

// Painter's order (depthorder.cpp).
extern int order[2500];
void resetorder();
void quicksort(const unsigned* face, int lo, int hi);
// Sorts faces 0 to count - 1 of a mesh, first making the order a
// permutation of them again if it names faces the mesh does not have.
void sortfaces(const unsigned* face, int count);

// Object scenes, drawn into the screen (objects.cpp). The car's lamps flicker
// with `tick`, the clock's tick count modulo 21.
void drawrings();            // psyke, then the rings
void drawcarflyin(int tick); // the car, its lamps glowing on it
void drawcarwarp(int tick);  // its lamps shining from under the car, then the car
