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

// Counts of the mesh in use (objects.cpp).
extern int numvert, numface, numtvert;

// Transform and projection (transform.cpp).
extern int rz[700], kx[400], ky[400];
extern int sinx, cosx, siny, cosy;
void calcpoints(const int* vert, int count);

// Painter's order (depthorder.cpp).
extern int order[2500];
void resetorder();
void quicksort(const unsigned* face, int lo, int hi);
// Sorts faces 0 to count - 1 of a mesh, first making the order a
// permutation of them again if it names faces the mesh does not have.
void sortfaces(const unsigned* face, int count);

// Object scenes (objects.cpp).
void drawrings(); // ao -160: psyke, then the rings
void drawcar();   // ao -104 / -105: the car and its flares
