// Writes zel.it, the demo's soundtrack, composed and synthesised in code.
#include <cstdio>

#include "sections.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: mkmusic FILE\n");
        return 2;
    }
    std::vector<uint8_t> bytes = writeit(composezel());
    FILE* f = fopen(argv[1], "wb");
    if (!f || fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || fclose(f)) {
        perror(argv[1]);
        return 1;
    }
    return 0;
}
