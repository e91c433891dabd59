# Cross build for 32-bit ARM Linux (hard float) with Debian's cross compiler
# and the armhf libraries of a multiarch system: the sysroot is / itself.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR arm)

set(CMAKE_C_COMPILER arm-linux-gnueabihf-gcc)
set(CMAKE_CXX_COMPILER arm-linux-gnueabihf-g++)

# pkg-config reads the armhf .pc files and none of the host's.
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/arm-linux-gnueabihf/pkgconfig:/usr/share/pkgconfig)
set(ENV{PKG_CONFIG_SYSROOT_DIR} /)
unset(ENV{PKG_CONFIG_PATH})

# Libraries and headers come from the target's multiarch directories,
# programs (pkg-config, qemu) from the build machine.
set(CMAKE_LIBRARY_ARCHITECTURE arm-linux-gnueabihf)
set(CMAKE_FIND_ROOT_PATH /)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Target programs (tests, the replayer) run on the build machine under qemu,
# which loads the armhf dynamic linker and libraries from /.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-arm -L /)
