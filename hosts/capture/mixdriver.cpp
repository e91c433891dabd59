// The capture's libmikmod driver: the virtual-channel mixer with an Update
// that does nothing, so samples are mixed only when the clock asks for them.
#include "mixdriver.h"
#include "sequencer/sequencer.h"

namespace
{

BOOL present() { return 1; }
int reset() { return 0; }
void update() {}

MDRIVER drv_capture = {
    nullptr,
    "Capture",
    "Frame-exact capture driver",
    0,
    255,
    "capture",
    nullptr,
    nullptr,
    present,
    VC_SampleLoad,
    VC_SampleUnload,
    VC_SampleSpace,
    VC_SampleLength,
    VC_Init,
    VC_Exit,
    reset,
    VC_SetNumVoices,
    VC_PlayStart,
    VC_PlayStop,
    update,
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

} // namespace

std::string openmusic()
{
    MikMod_RegisterDriver(&drv_capture);
    MikMod_RegisterLoader(&load_it);
    // The demo's mode, with the output format pinned to what the video
    // carries: 44.1 kHz, 16-bit, stereo.
    md_mode |= DMODE_SOFT_MUSIC | DMODE_16BITS | DMODE_STEREO;
    md_mode &= ~DMODE_FLOAT;
    md_mixfreq = mixrate;
    if (MikMod_Init("")) {
        return std::string("Could not initialize sound, reason: ") + MikMod_strerror(MikMod_errno);
    }
    std::string bad = loadmodule();
    if (bad.empty())
        Player_Start(module);
    return bad;
}

void mixmusic(short* out, int frames)
{
    VC_WriteBytes(reinterpret_cast<SBYTE*>(out), static_cast<ULONG>(frames) * 4);
}

void closemusic(MODULE* module)
{
    Player_Stop();
    Player_Free(module);
    MikMod_Exit();
}
