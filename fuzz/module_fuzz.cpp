// Start-up module loading on any bytes: MikMod either loads a song that
// reaches the timeline's end or loading fails with one line.
#include <mikmod.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "sequencer/sequencer.h"

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::string dir = (fs::temp_directory_path() / "module-fuzz-XXXXXX").string();
    if (!mkdtemp(dir.data()) || chdir(dir.c_str()) != 0)
        abort();
    MikMod_RegisterDriver(&drv_nos);
    MikMod_RegisterAllLoaders();
    md_mode |= DMODE_SOFT_MUSIC;
    if (MikMod_Init(""))
        abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t n)
{
    FILE* f = fopen("zel.it", "wb");
    if (!f || fwrite(data, 1, n, f) != n || fclose(f) != 0)
        abort();
    std::string why = loadmodule();
    if (why.empty()) {
        if (!module)
            abort();
        // Started and stopped, as the demo does with it.
        Player_Start(module);
        Player_Stop();
        Player_Free(module);
        module = nullptr;
    } else if (module || why.rfind("Could not load module, reason: ", 0) != 0 ||
               why.find('\n') != std::string::npos) {
        abort();
    }
    return 0;
}
