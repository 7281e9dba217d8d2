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

# The two faces as subsets: Latin (with the extensions), Greek, punctuation, currency,
# letterlike symbols, arrows and mathematical operators, every glyph with its hinting
# instructions, so text comes out as with the whole faces; the .wasm is 580 KB smaller.
# ui/ embeds them from METALLO_FONT_DIR.
find_program(METALLO_PYFTSUBSET pyftsubset REQUIRED)
set(METALLO_FONT_SOURCE_DIR "/usr/share/fonts/truetype/liberation2" CACHE PATH "Liberation fonts to subset")
set(font_ranges "U+0000-024F,U+0370-03FF,U+2000-206F,U+20A0-20CF,U+2100-22FF")
string(SHA256 font_key "${font_ranges}")
string(SUBSTRING "${font_key}" 0 12 font_key)
set(METALLO_FONT_DIR ${CMAKE_BINARY_DIR}/fonts-${font_key})
foreach(face LiberationSans-Regular.ttf LiberationSans-Bold.ttf)
  set(src ${METALLO_FONT_SOURCE_DIR}/${face})
  set(dst ${METALLO_FONT_DIR}/${face})
  if(NOT EXISTS ${dst} OR ${src} IS_NEWER_THAN ${dst})
    file(MAKE_DIRECTORY ${METALLO_FONT_DIR})
    execute_process(
      COMMAND ${METALLO_PYFTSUBSET} ${src} --unicodes=${font_ranges} --notdef-outline --glyph-names
              --name-IDs=* --name-languages=* --legacy-kern --layout-features=* --output-file=${dst}.tmp
      RESULT_VARIABLE failed ERROR_VARIABLE errors)
    if(failed)
      message(FATAL_ERROR "pyftsubset ${src}: ${errors}")
    endif()
    file(RENAME ${dst}.tmp ${dst})
  endif()
endforeach()
