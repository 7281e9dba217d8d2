#!/usr/bin/env bash
# Builds the libraries the browser version links (zlib, libpng, libjpeg-turbo, FreeType) from
# Debian's own source packages with emscripten, static, into a prefix named after their Debian
# versions, the emscripten version and the recipes; prints that prefix on standard output.
# A prefix that is already complete is used as it is: nothing is fetched or built again.
# Cache folder: $METALLO_WEB_CACHE, else ~/.cache/metallographie-web.
# Needs the packages of `scripts/setup.sh --web` and a deb-src entry (setup.sh adds one).
set -euo pipefail
cache=${METALLO_WEB_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/metallographie-web}
jobs=$(nproc 2>/dev/null || echo 2)
packages=(zlib libpng1.6 libjpeg-turbo freetype)

say() { echo "$@" >&2; }

# fetch PACKAGE: unpacks the Debian source (with Debian's patches) into $work/PACKAGE.
fetch() {
  mkdir -p "$work/dl-$1"
  (cd "$work/dl-$1" && apt-get source -qq "$1")
  local dir
  dir=$(find "$work/dl-$1" -mindepth 1 -maxdepth 1 -type d | head -n 1)
  mv "$dir" "$work/$1"
}

ecmake() {
  emcmake cmake "$@" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DCMAKE_INSTALL_PREFIX="$stage" "$emulator" \
    -DZLIB_INCLUDE_DIR="$stage/include" -DZLIB_LIBRARY="$stage/lib/libz.a"
}

build_zlib() {
  cd "$work/zlib"
  CFLAGS="-O2" emconfigure ./configure --static --prefix="$stage"
  emmake make -j "$jobs" libz.a
  emmake make install
}

build_libpng1.6() {
  ecmake -S "$work/libpng1.6" -B "$work/libpng1.6/build-em" \
    -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF
  cmake --build "$work/libpng1.6/build-em" -j "$jobs"
  cmake --install "$work/libpng1.6/build-em"
}

build_libjpeg-turbo() {
  local b=$work/libjpeg-turbo/build-em
  ecmake -S "$work/libjpeg-turbo" -B "$b" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF
  cmake --build "$b" -j "$jobs" --target jpeg-static
  cp "$b/libjpeg.a" "$stage/lib/"
  cp "$b/jconfig.h" "$work/libjpeg-turbo/jpeglib.h" "$work/libjpeg-turbo/jmorecfg.h" \
     "$work/libjpeg-turbo/jerror.h" "$stage/include/"
}

# The program loads only TrueType faces and renders them monochrome, hinted by the TrueType
# interpreter: the drivers of other font formats, the auto-hinter and the PostScript helpers
# stay out (the pixels are the same; the .wasm is 340 KB smaller, 150 KB gzipped).
build_freetype() {
  cat >"$work/freetype/include/freetype/config/ftmodule.h" <<'EOF'
FT_USE_MODULE( FT_Driver_ClassRec, tt_driver_class )
FT_USE_MODULE( FT_Module_Class, sfnt_module_class )
FT_USE_MODULE( FT_Renderer_Class, ft_smooth_renderer_class )
FT_USE_MODULE( FT_Renderer_Class, ft_raster1_renderer_class )
EOF
  ecmake -S "$work/freetype" -B "$work/freetype/build-em" -DBUILD_SHARED_LIBS=OFF \
    -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON -DFT_REQUIRE_ZLIB=ON
  cmake --build "$work/freetype/build-em" -j "$jobs"
  cmake --install "$work/freetype/build-em"
}
recipes=(build_zlib build_libpng1.6 build_libjpeg-turbo build_freetype)

# The source version apt would fetch for each package.
versions=$(apt-get source --print-uris -qq "${packages[@]}" 2>/dev/null | awk '{ print $2 }' | grep '\.dsc$' || true)
if [ "$(echo "$versions" | grep -c .)" -ne ${#packages[@]} ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  say "Lese die Liste der Quellpakete neu ein"
  $sudo apt-get update -qq
  versions=$(apt-get source --print-uris -qq "${packages[@]}" | awk '{ print $2 }' | grep '\.dsc$')
fi
versions=$(echo "$versions" | sed 's/\.dsc$//' | sort)
# The first line of the version, read without a pipe: "| head" may close it while emcc
# still writes, and under pipefail emcc's broken pipe would stop the build.
emver=$(emcc --version)
emver=${emver%%$'\n'*}
# The recipes above are part of the key: a changed recipe builds anew.
key=$( { echo "$versions"; echo "$emver"; declare -f fetch ecmake "${recipes[@]}"; } | sha256sum | cut -c1-16)
prefix=$cache/deps-$key
if [ -f "$prefix/VERSIONS" ]; then
  echo "$prefix"
  exit 0
fi
# One build at a time; a second caller waits and then finds the prefix complete.
mkdir -p "$cache"
exec 9>"$cache/lock"
flock 9
if [ -f "$prefix/VERSIONS" ]; then
  echo "$prefix"
  exit 0
fi

say "Baue die Bibliotheken für den Browser ($(echo $versions)) nach $prefix"
export NODE_PATH=/usr/share/nodejs
emulator="-DCMAKE_CROSSCOMPILING_EMULATOR=$(command -v node);--no-experimental-fetch"
work=$cache/work-$key
rm -rf "$work" "$prefix.tmp"
mkdir -p "$work" "$prefix.tmp/include" "$prefix.tmp/lib"
stage=$prefix.tmp

for p in "${packages[@]}"; do
  log=$work/$p.log
  start=$(date +%s%N)
  # In the background, so that `set -e` holds inside (it does not in a tested command).
  (fetch "$p"; build_"$p") >"$log" 2>&1 &
  if ! wait $!; then
    say "Fehler beim Bau von $p (Protokoll: $log):"
    tail -n 30 "$log" >&2
    exit 1
  fi
  ms=$(( ($(date +%s%N) - start) / 1000000 ))
  say "$(printf '  %-14s %3d.%d s' "$p" $((ms / 1000)) $((ms % 1000 / 100)))"
done

{ echo "$versions"; echo "$emver"; } >"$stage/VERSIONS"
rm -rf "$prefix"
mv "$stage" "$prefix"
rm -rf "$work"
# Older prefixes (other versions) and what failed builds left are of no further use.
find "$cache" -mindepth 1 -maxdepth 1 \( -name 'deps-*' -o -name 'work-*' \) ! -name "deps-$key" -exec rm -rf {} +
echo "$prefix"
