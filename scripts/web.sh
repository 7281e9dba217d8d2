#!/usr/bin/env bash
# Builds the browser version with emscripten into build-web/:
#   build-web/site/                 index.html, metallographie.js, metallographie.wasm (for a web server)
#   build-web/metallographie.html   everything in one file (works when opened from disk)
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
ms=$(( ($(date +%s%N) - start) / 1000000 ))

site=build-web/site
wasm=$site/metallographie.wasm
printf 'Browser-Version gebaut in %d.%d s:\n' $((ms / 1000)) $((ms % 1000 / 100))
printf '  %-34s %9d Bytes (gzip: %d)\n' "$wasm" "$(stat -c %s "$wasm")" "$(gzip -9c "$wasm" | wc -c)"
printf '  %-34s %9d Bytes\n' "$site/metallographie.js" "$(stat -c %s "$site/metallographie.js")"
printf '  %-34s %9d Bytes\n' build-web/metallographie.html "$(stat -c %s build-web/metallographie.html)"

exec 9>&-

if [ $serve -eq 1 ]; then
  port=${METALLO_WEB_PORT:-8080}
  echo "http://127.0.0.1:$port/ (Ende mit Strg+C)"
  exec python3 - "$site" "$port" <<'EOF'
import functools, http.server, sys
site, port = sys.argv[1], int(sys.argv[2])
Handler = http.server.SimpleHTTPRequestHandler
Handler.extensions_map = {**Handler.extensions_map, ".wasm": "application/wasm", ".js": "text/javascript",
                          ".html": "text/html; charset=utf-8"}
server = http.server.ThreadingHTTPServer(("127.0.0.1", port), functools.partial(Handler, directory=site))
try:
    server.serve_forever()
except KeyboardInterrupt:
    pass
EOF
fi
