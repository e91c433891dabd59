// The command line of demo-capture.
#pragma once

#include <string>

struct Options {
    int fps = 60;   // video frames a second; each demo frame is held
    int scale = 3;  // nearest-neighbour upscale of the 320 x 240 screen
    int offset = 0; // the timeline's demotime offset (the ARM build's is -16)
    bool setoffset = false;
    int from = 0;       // first song position captured
    int to = -1;        // position where the capture stops (-1: the song's end)
    bool quiet = false; // no progress on standard error
    std::string dir;    // where zel.it and data/ are ("" for the working directory)
    std::string script; // demo-replay script of the run ("" for none)
    std::string out;    // OUT.mp4 or OUT.mkv
};

// Fills `o` from argv. Returns "" or one line saying what is wrong; every
// such error is a usage error (status 2).
std::string parseoptions(int argc, char** argv, Options* o);

extern const char* const usage;
