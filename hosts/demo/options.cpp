// The command line. Every option is a whole word; anything else is refused
// with one line, before SDL or the music are touched.
#include "options.h"

#include <cstdio>

namespace
{

constexpr int MAXSCALE = 16;

int usage(const std::string& what)
{
    fprintf(stderr, "quorvast: %s (try --help)\n", what.c_str());
    return 2;
}

// A whole number from 1 to MAXSCALE, digits only.
int scalefactor(const std::string& text)
{
    if (text.empty() || text.size() > 2)
        return 0;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return 0;
        n = n * 10 + (c - '0');
    }
    return n <= MAXSCALE ? n : 0;
}

} // namespace

std::string helptext()
{
    return "Usage: quorvast [--fullscreen] [--scale N]\n"
           "A self-running software-rendered demo with a tracker soundtrack.\n"
           "\n"
           "Options:\n"
           "  --fullscreen   start in full screen (the 4:3 picture with black bars)\n"
           "  --scale N      open the window N times 320 x 240 (1 to 16); by default the\n"
           "                 largest whole factor that fits the desktop\n"
           "  --version      print the version and exit\n"
           "  --help         print this help and exit\n"
           "\n"
           "Keys (acting when released):\n"
           "  Escape         quit (closing the window quits too)\n"
           "  Left, Right    skip one song position back or forward\n"
           "  F11, Alt+Enter switch between the window and full screen\n"
           "\n"
           "Environment:\n"
           "  SDL12COMPAT_WINDOW_SCALING  the window's factor, instead of fitting the desktop\n"
           "  SDL12COMPAT_SCALE_METHOD    nearest (the default here) or linear\n"
           "  SDL_VIDEODRIVER=dummy, SDL_AUDIODRIVER=dummy  run without a screen or sound\n"
           "  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=FILE   record the sound to FILE\n"
           "\n"
           "zel.it and data/ are read from the working directory when they are there,\n"
           "otherwise from the installed data directory.\n";
}

std::optional<int> parseoptions(const std::vector<std::string>& args, Options& options)
{
    for (size_t i = 0; i < args.size(); i++) {
        const std::string& a = args[i];
        if (a == "--version") {
            printf("quorvast %s\n", DEMO_VERSION);
            return 0;
        }
        if (a == "--help") {
            fputs(helptext().c_str(), stdout);
            return 0;
        }
        if (a == "--fullscreen") {
            options.fullscreen = true;
        } else if (a == "--scale") {
            if (i + 1 == args.size())
                return usage("--scale needs a factor");
            options.scale = scalefactor(args[++i]);
            if (options.scale == 0)
                return usage("--scale wants a whole number from 1 to 16, not '" + args[i] + "'");
        } else {
            return usage("unknown argument '" + a + "'");
        }
    }
    return std::nullopt;
}
