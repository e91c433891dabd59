# The browser build (configured with emcmake). Our SDL subset (hosts/web/sdl)
# stands in for SDL and SDL_image, and libmikmod, libpng and zlib come
# compiled with emcc from Debian's source packages by scripts/web-libs. The
# targets keep the names the native build gets from pkg-config, so the rest
# of the build does not change.
set(DEMO_WEB_LIBS ${CMAKE_BINARY_DIR}/libs/prefix CACHE PATH
    "The C libraries compiled with emcc (scripts/web-libs)")
if(NOT EXISTS ${DEMO_WEB_LIBS}/done)
  message(FATAL_ERROR "The browser build needs the libraries of scripts/web-libs in ${DEMO_WEB_LIBS}")
endif()

add_library(PkgConfig::PNG INTERFACE IMPORTED)
set_target_properties(PkgConfig::PNG PROPERTIES
  INTERFACE_INCLUDE_DIRECTORIES ${DEMO_WEB_LIBS}/include
  INTERFACE_LINK_LIBRARIES "${DEMO_WEB_LIBS}/lib/libpng16.a;${DEMO_WEB_LIBS}/lib/libz.a")
add_library(PkgConfig::MIKMOD INTERFACE IMPORTED)
set_target_properties(PkgConfig::MIKMOD PROPERTIES
  INTERFACE_INCLUDE_DIRECTORIES ${DEMO_WEB_LIBS}/include
  INTERFACE_LINK_LIBRARIES ${DEMO_WEB_LIBS}/lib/libmikmod.a)

add_library(websdl STATIC hosts/web/sdl/surfaces.cpp hosts/web/sdl/image.cpp)
# Ahead of emscripten's own SDL headers.
target_include_directories(websdl BEFORE PUBLIC ${CMAKE_SOURCE_DIR}/hosts/web/sdl)
target_link_libraries(websdl PUBLIC PkgConfig::PNG)
add_library(PkgConfig::SDL INTERFACE IMPORTED)
set_target_properties(PkgConfig::SDL PROPERTIES INTERFACE_LINK_LIBRARIES websdl)

# emcc's JavaScript optimiser, run when linking optimised builds, needs
# node's acorn module, which Debian keeps in /usr/share/nodejs.
set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
