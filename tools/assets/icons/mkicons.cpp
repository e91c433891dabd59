// Writes the program's icons, DIR/quorvast-N.png for each size N given.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "icon.h"

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: mkicons DIR SIZE...\n");
        return 2;
    }
    for (int i = 2; i < argc; i++) {
        int size = atoi(argv[i]);
        if (size < 16 || size > 512) {
            fprintf(stderr, "mkicons: size %s is not from 16 to 512\n", argv[i]);
            return 2;
        }
        iconpicture(size).save(std::string(argv[1]) + "/quorvast-" + argv[i] + ".png");
    }
    return 0;
}
