#include "capturerun.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>

Scratch::Scratch(bool runfiles)
{
    static int serial;
    dir = fs::temp_directory_path() /
          ("capture-" + std::to_string(getpid()) + "-" + std::to_string(serial++));
    fs::remove_all(dir);
    fs::create_directories(dir);
    if (runfiles) {
        fs::create_symlink(fs::path(DEMO_RUN_DIR) / "zel.it", dir / "zel.it");
        fs::create_directory_symlink(fs::path(DEMO_RUN_DIR) / "data", dir / "data");
    }
}

Scratch::~Scratch() { fs::remove_all(dir); }

RunResult capture(const fs::path& dir, const std::string& args)
{
    return runprogram("cd '" + dir.string() + "' && " DEMO_CAPTURE_BIN " " + args);
}

RunResult replay(const fs::path& dir, const std::string& args)
{
    return runprogram("cd '" + dir.string() + "' && " DEMO_REPLAY_BIN " " + args);
}

long eachframe(const fs::path& video, int w, int h,
               const std::function<void(const uint8_t*)>& frame)
{
    std::string cmd = "ffmpeg -v error -i '" + video.string() + "' -f rawvideo -pix_fmt rgb24 -";
    FILE* p = popen(cmd.c_str(), "r");
    if (!p)
        return -1;
    std::vector<uint8_t> rgb(static_cast<size_t>(w) * h * 3);
    long n = 0;
    while (fread(rgb.data(), 1, rgb.size(), p) == rgb.size()) {
        frame(rgb.data());
        n++;
    }
    pclose(p);
    return n;
}

namespace
{

std::vector<int16_t> readall(FILE* f, size_t skip)
{
    std::vector<int16_t> pcm;
    std::vector<char> skipped(skip);
    if (skip && fread(skipped.data(), 1, skip, f) != skip)
        return pcm;
    int16_t buf[4096];
    size_t got;
    while ((got = fread(buf, 2, 4096, f)) > 0)
        pcm.insert(pcm.end(), buf, buf + got);
    return pcm;
}

} // namespace

std::vector<int16_t> decodeaudio(const fs::path& video)
{
    std::string cmd = "ffmpeg -v error -i '" + video.string() + "' -f s16le -acodec pcm_s16le -";
    FILE* p = popen(cmd.c_str(), "r");
    std::vector<int16_t> pcm = readall(p, 0);
    pclose(p);
    return pcm;
}

std::vector<int16_t> referencemix()
{
    Scratch s(false);
    fs::path wav = s.dir / "mix.wav";
    RunResult r = runprogram(DEMO_MIKRENDER_BIN " " DEMO_RUN_DIR "/zel.it '" + wav.string() + "'");
    if (r.status != 0)
        return {};
    FILE* f = fopen(wav.c_str(), "rb");
    std::vector<int16_t> pcm = readall(f, 44); // mikrender's header is the plain 44 bytes
    fclose(f);
    return pcm;
}

void widen(uint16_t c, uint8_t rgb[3])
{
    int r = c >> 11, g = (c >> 5) & 63, b = c & 31;
    rgb[0] = static_cast<uint8_t>(r << 3 | r >> 2);
    rgb[1] = static_cast<uint8_t>(g << 2 | g >> 4);
    rgb[2] = static_cast<uint8_t>(b << 3 | b >> 2);
}

std::vector<std::string> readlines(const fs::path& file)
{
    std::vector<std::string> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}
