// The demo's command line: --fullscreen, --scale N, --version, --help.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct Options {
    bool fullscreen = false;
    int scale = 0; // 0: fit the desktop (or follow sdl12-compat's own variable)
};

// Reads the arguments after the program's name into `options`. Returns the
// exit status when the program should stop at once: 0 after --version or
// --help (printed on standard output), 2 after one line on standard error
// for anything it does not understand.
std::optional<int> parseoptions(const std::vector<std::string>& args, Options& options);

// The text of --help.
std::string helptext();
