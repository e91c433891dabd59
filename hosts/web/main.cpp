// The demo in a web page: the clock/music seam over the page's clock and
// libmikmod's software mix fed to Web Audio, the frame loop on the browser's
// animation callback, and the screen presented to the canvas. The page
// (page.js) starts the show on a click and hears about its end.
#include <emscripten.h>
#include <mikmod.h>

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "sequencer/sequencer.h"

// The page's side (webpage.js).
extern "C" {
double webaudio_heard(); // frames of the mix played out of the speakers so far
void webaudio_queue(const int16_t* stereo, int frames);
void webaudio_flush(double frame); // drop what is queued; play on from frame
void webpage_present(const uint8_t* rgba);
void webpage_ready(const char* error);
void webpage_ended(int escaped);
}

namespace
{

// The mix is written ahead of what is heard by this much, in 256-frame
// steps; each step notes the song position reached at its end.
const double leadseconds = 0.25;
const int stepframes = 256;

struct Mark {
    double frame; // the first frame played with this position
    int pos, row;
};

int rate;
double mixed;             // frames mixed since the start
std::deque<Mark> marks;   // oldest first; the first one is at or before the heard frame
double startms;           // the page's clock at the start of the show
std::vector<int> renders; // now, pos, row of every render that ran the timeline
unsigned lastnow;
int drawn, ticks;
std::string error;

// A driver that only sets up libmikmod's software mixer: the host pulls the
// mix itself with VC_WriteBytes.
BOOL webisthere() { return 1; }
int webinit() { return VC_Init(); }
void webexit() { VC_Exit(); }
int webreset() { return 0; }
void webupdate() {}

MDRIVER drv_web = {
    nullptr,
    "Web Audio",
    "Web Audio mix feeder",
    0,
    255,
    "web",
    "",
    nullptr,
    webisthere,
    VC_SampleLoad,
    VC_SampleUnload,
    VC_SampleSpace,
    VC_SampleLength,
    webinit,
    webexit,
    webreset,
    VC_SetNumVoices,
    VC_PlayStart,
    VC_PlayStop,
    webupdate,
    nullptr,
    VC_VoiceSetVolume,
    VC_VoiceGetVolume,
    VC_VoiceSetFrequency,
    VC_VoiceGetFrequency,
    VC_VoiceSetPanning,
    VC_VoiceGetPanning,
    VC_VoicePlay,
    VC_VoiceStop,
    VC_VoiceStopped,
    VC_VoiceGetPosition,
    VC_VoiceRealVolume,
};

void restartaudio()
{
    mixed = 0;
    marks.assign(1, Mark{0, 0, 0});
    webaudio_flush(0);
}

// A skip by the arrow keys sets a position jump that the mixer takes at its
// next tick: what is queued is dropped so the jump is heard at once.
void takeskip(double heard)
{
    if (!module->posjmp || mixed <= heard)
        return;
    mixed = heard;
    while (marks.size() > 1 && marks.back().frame > heard)
        marks.pop_back();
    webaudio_flush(heard);
}

void present()
{
    static std::vector<uint8_t> rgba(SCREEN_W * SCREEN_H * 4);
    const Uint16* px = static_cast<const Uint16*>(screen->pixels);
    for (int p = 0; p < SCREEN_W * SCREEN_H; p++) {
        // Widened by bit replication, so white stays 255.
        int r = px[p] >> 11, g = (px[p] >> 5) & 63, b = px[p] & 31;
        rgba[p * 4] = static_cast<uint8_t>(r << 3 | r >> 2);
        rgba[p * 4 + 1] = static_cast<uint8_t>(g << 2 | g >> 4);
        rgba[p * 4 + 2] = static_cast<uint8_t>(b << 3 | b >> 2);
        rgba[p * 4 + 3] = 255;
    }
    webpage_present(rgba.data());
}

void stop(int escaped)
{
    emscripten_cancel_main_loop();
    Player_Stop();
    webaudio_flush(mixed);
    webpage_ended(escaped);
}

void frame()
{
    int before = last_tick;
    render();
    if (last_tick != before) {
        drawn++;
        ticks += (last_tick - before) / 50;
        present();
    }
    if (pollevents())
        stop(1);
    else if (quit)
        stop(0);
}

// The song from its start, the timeline from its starting state, the loop.
// Returns "" or the one-line reason.
std::string startsong()
{
    std::string bad = loadmodule();
    if (!bad.empty())
        return bad;
    resettimeline();
    renders.clear();
    drawn = ticks = 0;
    restartaudio();
    Player_Start(module);
    startms = emscripten_get_now();
    emscripten_set_main_loop(frame, 0, 0);
    return "";
}

} // namespace

unsigned clockticks()
{
    lastnow = static_cast<unsigned>(emscripten_get_now() - startms);
    return lastnow;
}

void clocksleep(unsigned) {}

void musicupdate()
{
    double heard = webaudio_heard();
    takeskip(heard);
    static std::vector<int16_t> buffer;
    int frames = 0;
    buffer.clear();
    while (mixed + frames < heard + leadseconds * rate) {
        buffer.resize((frames + stepframes) * 2);
        VC_WriteBytes(reinterpret_cast<SBYTE*>(buffer.data() + frames * 2), stepframes * 4);
        frames += stepframes;
        marks.push_back({mixed + frames, module->sngpos, module->patpos});
    }
    if (frames)
        webaudio_queue(buffer.data(), frames);
    mixed += frames;
    while (marks.size() > 1 && marks[1].frame <= heard)
        marks.pop_front();
}

// The position of what is being heard, not of what was mixed last.
void songposition(int* pos, int* row)
{
    *pos = marks.front().pos;
    *row = marks.front().row;
    renders.insert(renders.end(), {static_cast<int>(lastnow), *pos, *row});
}

extern "C" {

// After the click: the sound, the song and the frame loop. Returns 0, or 1
// with the reason in weberror().
EMSCRIPTEN_KEEPALIVE int webstart(int samplerate)
{
    rate = samplerate;
    MikMod_RegisterDriver(&drv_web);
    MikMod_RegisterAllLoaders();
    md_mixfreq = static_cast<UWORD>(rate);
    // libmikmod's defaults, as on Linux; the mix is read as 16-bit stereo.
    md_mode |= DMODE_SOFT_MUSIC | DMODE_16BITS | DMODE_STEREO;
    if (MikMod_Init("")) {
        error = std::string("Could not initialize sound, reason: ") + MikMod_strerror(MikMod_errno);
        return 1;
    }
    error = startsong();
    return !error.empty();
}

// Once the show has ended: all of it again, the song loaded anew so that
// nothing of its last run remains.
EMSCRIPTEN_KEEPALIVE int webrestart()
{
    Player_Free(module);
    error = startsong();
    return !error.empty();
}

EMSCRIPTEN_KEEPALIVE const char* weberror() { return error.c_str(); }

// A key released on the page: SDLK_LEFT, SDLK_RIGHT or SDLK_ESCAPE.
EMSCRIPTEN_KEEPALIVE void webkey(int sym)
{
    SDL_Event event;
    event.key.type = SDL_KEYUP;
    event.key.keysym.sym = static_cast<SDLKey>(sym);
    SDL_PushEvent(&event);
}

// Read-only views for the page's test hook.
EMSCRIPTEN_KEEPALIVE const int* webrenders() { return renders.data(); }
EMSCRIPTEN_KEEPALIVE int webrendercount() { return static_cast<int>(renders.size() / 3); }
EMSCRIPTEN_KEEPALIVE int webdrawn() { return drawn; }
EMSCRIPTEN_KEEPALIVE int webticks() { return ticks; }
EMSCRIPTEN_KEEPALIVE int webdemotime() { return demotime; }
}

// Start-up up to the click: the screen, then the library's start-up.
int main()
{
    screen = SDL_CreateRGBSurface(SDL_SWSURFACE, SCREEN_W, SCREEN_H, 16, 0xF800, 0x07E0, 0x001F, 0);
    error = screen ? startup() : std::string("Could not create the screen: ") + SDL_GetError();
    webpage_ready(error.c_str());
    return 0;
}
