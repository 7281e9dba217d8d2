# The browser version: the program's libraries and web/ compiled by emscripten, nothing
# that needs Qt, GoogleTest or Google Benchmark. Configure with
#   emcmake cmake -S . -B build-web -G Ninja -DMETALLO_WEB=ON -DMETALLO_WEB_DEPS=<prefix>
# where <prefix> holds zlib, libpng, libjpeg and FreeType built by emscripten
# (scripts/web-deps.sh prints it; scripts/web.sh does all of this).
if(NOT EMSCRIPTEN)
  message(FATAL_ERROR "METALLO_WEB needs emscripten's toolchain: emcmake cmake -DMETALLO_WEB=ON ...")
endif()
set(METALLO_DESKTOP OFF)
set(METALLO_TESTS OFF)
set(METALLO_BENCH OFF)
set(METALLO_SANITIZE OFF)

set(METALLO_WEB_DEPS "" CACHE PATH "Prefix with zlib, libpng, libjpeg and FreeType built by emscripten")
if(METALLO_WEB_DEPS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${METALLO_WEB_DEPS})
endif()
# Another prefix (new library versions): find the libraries anew.
if(NOT "${METALLO_WEB_DEPS}" STREQUAL "${METALLO_WEB_DEPS_FOUND}")
  get_cmake_property(cached CACHE_VARIABLES)
  foreach(var IN LISTS cached)
    if(var MATCHES "^(FREETYPE|JPEG|PNG|ZLIB)_")
      unset(${var} CACHE)
    endif()
  endforeach()
  set(METALLO_WEB_DEPS_FOUND "${METALLO_WEB_DEPS}" CACHE INTERNAL "")
endif()
# FreeType and libpng are static here: both need zlib on the link line.
find_package(ZLIB REQUIRED)

# -O2 as the link's optimisation (-O3 gives a larger .wasm and no faster start).
set(CMAKE_C_FLAGS_RELEASE "-O2 -DNDEBUG")
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG")
