// What the processor can run, for the paths chosen at start-up.
#include "raster/raster.h"

namespace raster
{

bool hasavx512bw()
{
#if defined(__x86_64__)
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512bw");
#else
    return false;
#endif
}

} // namespace raster
