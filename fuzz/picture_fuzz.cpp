// Start-up picture loading on any bytes: the first byte picks which of the
// sixteen pictures the rest stands in for; loading either succeeds with the
// shape its readers assume or fails with one line naming the file.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/base.h"

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // A scratch working directory holding data/, as the demo runs in one.
    std::string dir = (fs::temp_directory_path() / "picture-fuzz-XXXXXX").string();
    if (!mkdtemp(dir.data()) || chdir(dir.c_str()) != 0)
        abort();
    fs::create_directory("data");
    screen = SDL_CreateRGBSurface(SDL_SWSURFACE, 320, 240, 16, 0xF800, 0x07E0, 0x001F, 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t n)
{
    if (n < 1)
        return 0;
    int i = data[0] % PICTURES;
    std::string path = picturefile(i);
    FILE* f = fopen(path.c_str(), "wb");
    if (!f || fwrite(data + 1, 1, n - 1, f) != n - 1 || fclose(f) != 0)
        abort();
    std::string why = loadpicture(i);
    const SDL_Surface* s = picturesurface(i);
    if (why.empty()) {
        // Taken: its readers address it as a flat array of 16-bit rows.
        if (!s || s->pitch != s->w * 2 || s->format->BytesPerPixel != 2)
            abort();
    } else if (s || why.rfind("Could not load picture " + path + ": ", 0) != 0 ||
               why.find('\n') != std::string::npos) {
        abort();
    }
    return 0;
}
