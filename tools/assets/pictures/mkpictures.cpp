// Writes the scene pictures into DIR.
#include <cstdio>
#include <string>

#include "pictures.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: mkpictures DIR [NAME...]\n");
        return 2;
    }
    std::string dir = argv[1];
    struct Entry {
        const char* name;
        Image (*make)();
    };
    const Entry all[] = {
        {"zellogo", logopicture},    {"1988", retropicture},    {"green", greenpicture},
        {"sinitausta", warppicture}, {"mirvroto", mirvpicture}, {"psykedelik", psykepicture},
        {"groovy", groovypicture},   {"afro", afropicture},     {"sidekick", sidekickpicture},
    };
    // With names after DIR, only those are written (for work on one picture).
    for (const Entry& e : all) {
        bool wanted = argc == 2;
        for (int i = 2; i < argc; i++)
            wanted |= argv[i] == std::string(e.name);
        if (wanted)
            e.make().save(dir + "/" + e.name + ".png");
    }
    return 0;
}
