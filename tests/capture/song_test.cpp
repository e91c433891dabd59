// The whole song into MP4 at a small scale: its streams and its length.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "capturerun.h"

namespace
{

// ffprobe's key=value lines for the streams and the format.
std::map<std::string, std::string> probe(const fs::path& video, const char* stream)
{
    std::string cmd = std::string("ffprobe -v error -select_streams ") + stream +
                      " -show_entries stream=codec_name,width,height,pix_fmt,r_frame_rate,"
                      "sample_rate,channels,duration,nb_frames -of default=nw=1 '" +
                      video.string() + "'";
    std::map<std::string, std::string> kv;
    FILE* p = popen(cmd.c_str(), "r");
    char line[256];
    while (fgets(line, sizeof line, p)) {
        std::string s = line;
        size_t eq = s.find('=');
        if (eq != std::string::npos)
            kv[s.substr(0, eq)] = s.substr(eq + 1, s.find_last_not_of("\r\n") - eq);
    }
    pclose(p);
    return kv;
}

int streams(const fs::path& video)
{
    std::string cmd =
        "ffprobe -v error -show_entries stream=index -of csv=p=0 '" + video.string() + "' | wc -l";
    FILE* p = popen(cmd.c_str(), "r");
    int n = -1;
    if (fscanf(p, "%d", &n) != 1)
        n = -1;
    pclose(p);
    return n;
}

} // namespace

TEST(CaptureSong, WholeSongIsOneVideoAndOneAudioStreamOfItsLength)
{
    Scratch s;
    RunResult r = capture(s.dir, "--scale 1 song.mp4");
    ASSERT_EQ(r.status, 0) << r.err;
    // Not a terminal: one progress line every tenth of the way, then the summary.
    int tenths = 0;
    for (size_t at = 0; (at = r.err.find("% ", at)) != std::string::npos; at++)
        tenths++;
    EXPECT_GE(tenths, 9) << r.err;
    EXPECT_NE(r.err.find("demo-capture: song.mp4: "), std::string::npos) << r.err;

    fs::path video = s.dir / "song.mp4";
    EXPECT_EQ(streams(video), 2);
    auto v = probe(video, "v");
    EXPECT_EQ(v["codec_name"], "h264");
    EXPECT_EQ(v["width"], "320");
    EXPECT_EQ(v["height"], "240");
    EXPECT_EQ(v["pix_fmt"], "yuv420p");
    EXPECT_EQ(v["r_frame_rate"], "60/1");
    auto a = probe(video, "a");
    EXPECT_EQ(a["codec_name"], "aac");
    EXPECT_EQ(a["sample_rate"], "44100");
    EXPECT_EQ(a["channels"], "2");

    // The song's length is that of libmikmod's own mix of it.
    double song = referencemix().size() / 2 / 44100.0;
    EXPECT_GT(song, 200);
    EXPECT_NEAR(std::stod(v["duration"]), song, 1 / 60.0);
    EXPECT_NEAR(std::stod(a["duration"]), song, 1 / 60.0);
}
