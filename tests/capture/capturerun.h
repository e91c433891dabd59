// Running demo-capture, demo-replay and the independent decoders for the
// capture tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "support.h"

namespace fs = std::filesystem;

// A scratch directory of its own, removed at the end; with `runfiles`, it
// holds links to the run directory's zel.it and data/, so the programs
// can run there and write their files into it.
struct Scratch {
    fs::path dir;
    explicit Scratch(bool runfiles = true);
    ~Scratch();
};

// demo-capture ARGS, run in `dir`: its status and standard error.
RunResult capture(const fs::path& dir, const std::string& args);

// demo-replay [ARGS] SCRIPT, run in `dir`.
RunResult replay(const fs::path& dir, const std::string& args);

// Calls `frame` with every decoded picture of the video as 8-bit RGB,
// through ffmpeg; returns how many there were.
long eachframe(const fs::path& video, int w, int h,
               const std::function<void(const uint8_t*)>& frame);

// The sound track decoded by ffmpeg: interleaved 16-bit stereo at 44.1 kHz.
std::vector<int16_t> decodeaudio(const fs::path& video);

// libmikmod's mix of the whole of zel.it, by mikrender: interleaved stereo.
std::vector<int16_t> referencemix();

// An RGB565 pixel widened to 8-bit channels by repeating the top bits.
void widen(uint16_t c, uint8_t rgb[3]);

// Lines of a text file.
std::vector<std::string> readlines(const fs::path& file);
