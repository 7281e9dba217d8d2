#!/usr/bin/env bash
# Builds the browser version with emscripten into build-web/:
#   build-web/site/                 index.html, metallographie.js, metallographie.wasm (for a web server),
#                                   each also as .gz and .br for servers that send them as they are
#   build-web/metallographie.html   everything in one file (works when opened from disk)
#   build-web/metallographie-scorm12.zip  that file as a SCORM 1.2 package for learning platforms
# First installs the Debian packages that are missing and builds zlib, libpng, libjpeg and
# FreeType from Debian's source packages (once; scripts/web-deps.sh keeps them).
#   web.sh           build
#   web.sh --serve   build, then serve build-web/site on http://127.0.0.1:8080 (port: METALLO_WEB_PORT)
set -euo pipefail
cd "$(dirname "$0")/.."

serve=0
case "${1:-}" in
  --serve) serve=1 ;;
  "") ;;
  *) echo "Aufruf: web.sh [--serve]" >&2; exit 2 ;;
esac

./scripts/setup.sh --web
deps=$(./scripts/web-deps.sh)

jobs=$(nproc 2>/dev/null || echo 2)
export NODE_PATH=/usr/share/nodejs
start=$(date +%s%N)
mkdir -p build-web
# One build of build-web at a time (a second run waits for the first).
exec 9>build-web/.lock
flock 9
emcmake cmake -S . -B build-web -G Ninja -DMETALLO_WEB=ON -DCMAKE_BUILD_TYPE=Release \
  -DMETALLO_WEB_DEPS="$deps" "-DCMAKE_CROSSCOMPILING_EMULATOR=$(command -v node);--no-experimental-fetch" \
  >build-web/configure.log 2>&1 || { cat build-web/configure.log >&2; exit 1; }
cmake --build build-web -j "$jobs"

site=build-web/site
# The compressed twins, reproducible (no name or time in them), made anew only when the
# file changed.
for f in "$site/metallographie.wasm" "$site/metallographie.js" "$site/index.html"; do
  if ! [ "$f.gz" -nt "$f" ]; then
    gzip -9 -n -c "$f" >"$f.gz.tmp" && mv "$f.gz.tmp" "$f.gz"
  fi
  if ! [ "$f.br" -nt "$f" ]; then
    brotli -q 11 -c "$f" >"$f.br.tmp" && mv "$f.br.tmp" "$f.br"
  fi
done
# The package for learning platforms, anew when the page changed.
scorm=build-web/metallographie-scorm12.zip
if ! [ "$scorm" -nt build-web/metallographie.html ] || ! [ "$scorm" -nt scripts/scorm.py ]; then
  python3 scripts/scorm.py build-web/metallographie.html "$scorm"
fi
ms=$(( ($(date +%s%N) - start) / 1000000 ))
printf 'Browser-Version gebaut in %d.%d s:\n' $((ms / 1000)) $((ms % 1000 / 100))
for f in "$site/metallographie.wasm" "$site/metallographie.js"; do
  printf '  %-34s %9d Bytes (gzip: %d, brotli: %d)\n' "$f" "$(stat -c %s "$f")" "$(stat -c %s "$f.gz")" "$(stat -c %s "$f.br")"
done
printf '  %-34s %9d Bytes\n' build-web/metallographie.html "$(stat -c %s build-web/metallographie.html)"
printf '  %-34s %9d Bytes\n' "$scorm" "$(stat -c %s "$scorm")"

exec 9>&-

if [ $serve -eq 1 ]; then
  port=${METALLO_WEB_PORT:-8080}
  exec node tests/web/server.mjs "$site" "$port"
fi
