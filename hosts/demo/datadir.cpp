// Finding the data: the working directory first, then places relative to
// the program itself, so an installed, unpacked or moved copy runs from
// anywhere. The demo loads its files by relative paths, so the directory
// that holds them becomes the working directory.
#include "datadir.h"

#include <unistd.h>

#include <filesystem>

namespace fs = std::filesystem;

std::vector<std::string> datacandidates(const std::string& programdir)
{
    std::vector<std::string> dirs = {"."};
    if (programdir.empty())
        return dirs;
    for (const char* rel : {DEMO_DATA_FROM_PROGRAM, ".", "run"})
        dirs.push_back((fs::path(programdir) / rel).lexically_normal().string());
    return dirs;
}

void enterdatadir()
{
    std::error_code error;
    fs::path program = fs::read_symlink("/proc/self/exe", error);
    std::string programdir = error ? "" : program.parent_path().string();
    for (const std::string& dir : datacandidates(programdir)) {
        if (access((fs::path(dir) / "zel.it").c_str(), R_OK) != 0)
            continue;
        if (dir == "." || chdir(dir.c_str()) == 0)
            return;
    }
}
