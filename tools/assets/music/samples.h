// The instruments of zel.it, synthesised from code. Numbers are the 1-based
// sample numbers that patterns refer to.
#pragma once

#include <vector>

#include "itwriter.h"

enum Sample {
    KICK = 1,
    SNARE,
    CLAP,
    HATC, // closed hat
    HATO, // open hat
    CRASH,
    TOM,   // sounds A2 at note 45
    RISER, // 5.76 s of rising noise and tone
    IMPACT,
    SWELL, // reversed cymbal, loudest at its end
    SUB,   // looped sine bass
    BASS,  // plucked, filtered saw bass
    LEAD,  // looped detuned saws
    PAD,   // looped soft detuned saws with a slow attack
    STABM, // minor triad stab, root at the note played
    STABJ, // major triad stab
    PLUCK, // short square pluck for arpeggios
    BELL,  // FM bell
    CHIP,  // looped 25% pulse
    TRI,   // looped triangle
    SAMPLECOUNT = TRI
};

// Length of the riser and the swell in seconds, at note 60.
constexpr double RISERSECONDS = 5.76;
constexpr double SWELLSECONDS = 1.92;

// All samples in the order of the enum.
std::vector<ItSample> makesamples();

// Drums and effects (drums.cpp) and tuned voices (tones.cpp).
ItSample kick();
ItSample snare();
ItSample clap();
ItSample hat(bool open);
ItSample crash();
ItSample tom();
ItSample riser();
ItSample impact();
ItSample swell();
ItSample sub();
ItSample bass();
ItSample lead();
ItSample pad();
ItSample stab(bool minor);
ItSample pluck();
ItSample bell();
ItSample chip();
ItSample triangle();
