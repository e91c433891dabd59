// The command line: every option takes its value as the next word.
#include "options.h"

#include <cerrno>
#include <cstdlib>

const char* const usage = "usage: demo-capture [--fps N] [--scale N] [--offset N] [--from POS] "
                          "[--to POS] [--dir DIR] [--script FILE] [--quiet] OUT.mp4|OUT.mkv";

namespace
{

// A whole-token integer within [lo, hi], or false.
bool parseint(const char* s, long lo, long hi, int* out)
{
    if (!*s)
        return false;
    char* end;
    errno = 0;
    long v = strtol(s, &end, 10);
    if (*end || errno || v < lo || v > hi)
        return false;
    *out = static_cast<int>(v);
    return true;
}

struct IntOption {
    const char* name;
    long lo, hi;
    int Options::*field;
};

const IntOption intoptions[] = {
    {"--fps", 1, 240, &Options::fps},
    {"--scale", 1, 12, &Options::scale},
    {"--offset", -100000, 100000, &Options::offset},
    {"--from", 0, 255, &Options::from},
    {"--to", 1, 256, &Options::to},
};

} // namespace

std::string parseoptions(int argc, char** argv, Options* o)
{
    for (int i = 1; i < argc; i++) {
        std::string arg = argv[i];
        if (arg == "--quiet") {
            o->quiet = true;
            continue;
        }
        if (arg == "--dir" || arg == "--script") {
            if (i + 1 == argc || !*argv[i + 1])
                return arg + " takes a path";
            (arg == "--dir" ? o->dir : o->script) = argv[++i];
            continue;
        }
        const IntOption* opt = nullptr;
        for (const IntOption& io : intoptions)
            if (arg == io.name)
                opt = &io;
        if (opt) {
            if (i + 1 == argc || !parseint(argv[i + 1], opt->lo, opt->hi, &(o->*opt->field)))
                return arg + " takes a whole number from " + std::to_string(opt->lo) + " to " +
                       std::to_string(opt->hi);
            o->setoffset |= arg == "--offset";
            i++;
            continue;
        }
        if (arg.size() > 1 && arg[0] == '-')
            return "unknown option " + arg;
        if (!o->out.empty())
            return "one OUT file only";
        o->out = arg;
    }
    if (o->out.empty())
        return "no OUT file";
    if (o->to >= 0 && o->to <= o->from)
        return "--to must come after --from";
    return "";
}
