// The rotozoomer's row routines against the plain mapping, over random
// sums and steps, and never reading outside the picture.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "effects/rotorow.h"

namespace
{

const int texels = 320 * 240;

// Each column on its own: the sums formed by a product, the picture's
// bounds tested point by point.
void reference(Uint16* row, const Uint16* pic, int uu, int vv, int sn, int cs)
{
    for (int x = 0; x < 320; x++) {
        const int u = ((uu + x * sn) >> 8) + 160, v = ((vv + x * cs) >> 8) + 120;
        const bool in = u >= 0 && u <= 319 && v >= 0 && v <= 239 && v * 320 - u >= 0;
        row[x] = in ? pic[v * 320 - u] : 0;
    }
}

struct Path {
    const char* name;
    Rotorow draw;
    bool runs;
};

void PrintTo(const Path& path, std::ostream* out) { *out << path.name; }

std::vector<Path> paths()
{
    std::vector<Path> all = {{"plain", rotorowplain, true}, {"best", rotorowbest(), true}};
#if defined(__x86_64__)
    __builtin_cpu_init();
    all.push_back({"avx2", rotorowavx2, __builtin_cpu_supports("avx2") != 0});
    all.push_back({"avx512", rotorowavx512, __builtin_cpu_supports("avx512f") != 0});
#endif
    return all;
}

// A picture whose neighbouring texels all differ and none is 0, placed
// against an unreadable page on one side: a read past that end faults.
class Guarded
{
  public:
    explicit Guarded(bool atend)
    {
        const size_t bytes = texels * sizeof(Uint16);
        pagesize = size_t(sysconf(_SC_PAGESIZE));
        span = (bytes + pagesize - 1) / pagesize * pagesize + 2 * pagesize;
        base = static_cast<char*>(
            mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
        if (base == MAP_FAILED)
            throw std::bad_alloc();
        mprotect(base, pagesize, PROT_NONE);
        mprotect(base + span - pagesize, pagesize, PROT_NONE);
        char* at = atend ? base + span - pagesize - bytes : base + pagesize;
        pic = reinterpret_cast<Uint16*>(at);
        for (int p = 0; p < texels; p++)
            pic[p] = static_cast<Uint16>(1 + p % 65535);
    }
    ~Guarded() { munmap(base, span); }
    Guarded(const Guarded&) = delete;
    Guarded& operator=(const Guarded&) = delete;

    Uint16* pic;

  private:
    char* base;
    size_t span, pagesize;
};

// The path's row against the reference's.
void compare(const Path& path, const Uint16* pic, int uu, int vv, int sn, int cs)
{
    Uint16 want[320], got[320];
    reference(want, pic, uu, vv, sn, cs);
    std::fill(got, got + 320, 0xdead);
    path.draw(got, pic, uu, vv, sn, cs);
    for (int x = 0; x < 320; x++)
        ASSERT_EQ(got[x], want[x])
            << "uu " << uu << " vv " << vv << " sn " << sn << " cs " << cs << " at x " << x;
}

class Rotorows : public ::testing::TestWithParam<Path>
{
  protected:
    void SetUp() override
    {
        if (!GetParam().runs)
            GTEST_SKIP() << GetParam().name << " does not run on this processor";
    }
};

// Steps as the angle tables give them and up to four times beyond, rows
// centred anywhere from well left of the picture to well right of it, with
// the picture against an unreadable page before it, then after it.
TEST_P(Rotorows, RandomRowsMatchTheReference)
{
    for (bool atend : {false, true}) {
        Guarded picture(atend);
        std::mt19937 random(atend ? 7 : 11);
        for (int round = 0; round < 40000; round++) {
            const int reach = round % 4 == 0 ? 1024 : 256;
            std::uniform_int_distribution<int> step(-2 * reach, 2 * reach);
            const int sn = step(random) / 2, cs = step(random);
            std::uniform_int_distribution<int> sum(-250 * 256, 250 * 256);
            const int uu = sum(random) - 160 * sn, vv = sum(random) - 160 * cs;
            compare(GetParam(), picture.pic, uu, vv, sn, cs);
            if (HasFatalFailure())
                return;
        }
    }
}

// The rows through the picture's corners and edges, where one step more
// or less changes what is drawn: texel 0, the last row read from its right
// end, the points of row 0 before the picture, still and steep steps.
TEST_P(Rotorows, EdgesOfThePicture)
{
    Guarded first(false), last(true);
    const int steps[] = {0, 1, -1, 255, -256, 256, 510, -512, 1000, -1000};
    const int sums[] = {-160 * 256 - 1,  -160 * 256, -119 * 256 - 1,  -120 * 256, 0,
                        119 * 256 + 255, 120 * 256,  159 * 256 + 255, 160 * 256};
    for (const Uint16* pic : {first.pic, last.pic})
        for (int sn : steps)
            for (int cs : steps)
                for (int u : sums)
                    for (int v : sums)
                        for (int x : {0, 1, 159, 319}) {
                            // The row passes (u, v) at column x.
                            compare(GetParam(), pic, u - x * sn, v - x * cs, sn, cs);
                            if (HasFatalFailure())
                                return;
                        }
}

INSTANTIATE_TEST_SUITE_P(Paths, Rotorows, ::testing::ValuesIn(paths()),
                         [](const ::testing::TestParamInfo<Path>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
