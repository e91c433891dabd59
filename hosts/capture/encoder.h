// The video file, through FFmpeg's libraries: pictures and sound go in as
// the capture makes them, packets go out interleaved, nothing is kept but
// the picture being held and less than one audio frame.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

struct EncoderSettings {
    int scale = 3;
    int fps = 60;
    bool lossless = false; // Matroska, FFV1 + FLAC; otherwise MP4, H.264 + AAC
};

class Encoder
{
  public:
    Encoder();
    ~Encoder(); // closes without finishing when finish() was not reached
    // Each call returns "" or one line saying what went wrong. The file is
    // written at `path` and called `name` in the messages.
    std::string open(const std::string& path, const std::string& name,
                     const EncoderSettings& settings);
    // One video frame of the 320 x 240 RGB565 screen; `changed` says
    // whether the screen differs from the last frame's (else it is held).
    std::string video(const uint16_t* screen, bool changed);
    // Interleaved 16-bit stereo sample frames at 44.1 kHz.
    std::string audio(const short* samples, int frames);
    std::string finish();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl;
};
