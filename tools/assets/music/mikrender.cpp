// Renders a module through libmikmod's software mixer, as the demo plays it,
// into a 16-bit stereo WAV file: mikrender IN.it OUT.wav
// Prints how many output samples sit at full scale (clipped by the mixer).
#include <mikmod.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace
{

void put(std::vector<unsigned char>& b, unsigned v, int bytes)
{
    for (int i = 0; i < bytes; i++)
        b.push_back((unsigned char)(v >> (8 * i)));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: mikrender IN.it OUT.wav\n");
        return 2;
    }
    MikMod_RegisterDriver(&drv_nos);
    MikMod_RegisterLoader(&load_it);
    md_mode |= DMODE_SOFT_MUSIC;
    if (MikMod_Init("")) {
        fprintf(stderr, "mikrender: %s\n", MikMod_strerror(MikMod_errno));
        return 1;
    }
    MODULE* module = Player_Load(argv[1], 64, 0);
    if (!module) {
        fprintf(stderr, "mikrender: %s: %s\n", argv[1], MikMod_strerror(MikMod_errno));
        return 1;
    }
    Player_Start(module);

    // The mixer is pulled directly, one short buffer at a time, until the
    // song has run off the end of its order list.
    std::vector<unsigned char> pcm;
    std::vector<short> chunk(2048);
    long clipped = 0;
    while (Player_Active()) {
        ULONG bytes = VC_WriteBytes((SBYTE*)chunk.data(), ULONG(chunk.size() * 2));
        for (ULONG i = 0; i < bytes / 2; i++) {
            clipped += chunk[i] == 32767 || chunk[i] == -32768;
            put(pcm, (unsigned short)chunk[i], 2);
        }
    }
    Player_Stop();
    Player_Free(module);
    MikMod_Exit();

    std::vector<unsigned char> wav;
    for (char c : std::string_view("RIFF"))
        wav.push_back((unsigned char)c);
    put(wav, unsigned(36 + pcm.size()), 4);
    for (char c : std::string_view("WAVEfmt "))
        wav.push_back((unsigned char)c);
    put(wav, 16, 4), put(wav, 1, 2), put(wav, 2, 2);
    put(wav, md_mixfreq, 4), put(wav, md_mixfreq * 4u, 4), put(wav, 4, 2), put(wav, 16, 2);
    for (char c : std::string_view("data"))
        wav.push_back((unsigned char)c);
    put(wav, unsigned(pcm.size()), 4);
    wav.insert(wav.end(), pcm.begin(), pcm.end());
    FILE* f = fopen(argv[2], "wb");
    if (!f || fwrite(wav.data(), 1, wav.size(), f) != wav.size() || fclose(f)) {
        perror(argv[2]);
        return 1;
    }
    printf("libmikmod: %.1f s, %ld clipped samples\n", double(pcm.size()) / 4 / md_mixfreq,
           clipped);
    return 0;
}
