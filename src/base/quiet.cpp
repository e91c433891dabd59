// Standard error held shut around library calls that print lines of their
// own (libpng's default error handler inside SDL_image, MikMod's loaders):
// a failed start-up shows the user one line, ours.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "base/base.h"

Stderrmuted::Stderrmuted()
{
    fflush(stderr);
    saved = dup(2);
    int null = open("/dev/null", O_WRONLY);
    if (saved < 0 || null < 0 || dup2(null, 2) < 0) {
        // Nothing to restore from: the library's lines stay, ours too.
        if (saved >= 0)
            close(saved);
        saved = -1;
    }
    if (null >= 0)
        close(null);
}

Stderrmuted::~Stderrmuted()
{
    if (saved < 0)
        return;
    fflush(stderr);
    dup2(saved, 2);
    close(saved);
}
