// Writes the car and rings textures and the three flares into DIR.
#include <cstdio>
#include <string>

#include "textures.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: mktextures DIR\n");
        return 2;
    }
    std::string dir = argv[1];
    cartexture().save(dir + "/car.png");
    ringtexture().save(dir + "/2torus.png");
    flaresprite(0).save(dir + "/flare-green.png");
    flaresprite(1).save(dir + "/flare-yellow.png");
    flaresprite(2).save(dir + "/flare-red2.png");
    return 0;
}
