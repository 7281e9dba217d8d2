#!/usr/bin/env bash
# Runs the browser tests in headless Chromium: the reference pictures replayed in the
# page, the page's script interface against the native program, a run on the live
# clock (including the single-file page from disk), the controls by keyboard, mouse,
# touch and screen reader, the page around them (what the server sends, the head and
# icon, contrast, menu keys), every window's text alternative, the program on an upright
# phone and tablet (the screen, taps, every window by keys alone), and the package for
# learning platforms under a SCORM runtime (the npm package scorm-again, installed into
# build-web/npm). Builds the browser version first (scripts/web.sh) when it is missing or
# older than its sources, and the native program
# (build/, as scripts/test.sh configures it) unless METALLO_NATIVE names one.
#   web-test.sh            all eight
#   web-test.sh --bench    also print the browser benchmarks (they never fail the run)
set -euo pipefail
cd "$(dirname "$0")/.."

bench=0
case "${1:-}" in
  --bench) bench=1 ;;
  "") ;;
  *) echo "Aufruf: web-test.sh [--bench]" >&2; exit 2 ;;
esac

start=$(date +%s)
site=build-web/site
stale=0
for f in "$site/index.html" "$site/metallographie.js" "$site/metallographie.wasm" "$site/metallographie.wasm.br" \
         build-web/metallographie.html; do
  [ -f "$f" ] || stale=1
done
# A build that changed nothing leaves the .wasm as it was: the stamp says when it last ran.
stamp=build-web/.web-test-built
newest=$site/metallographie.wasm
[ -f "$stamp" ] && [ "$stamp" -nt "$newest" ] && newest=$stamp
if [ $stale -eq 0 ] && [ -n "$(find specimen ui frame physics chapters study app web assets tools/embedgen cmake CMakeLists.txt \
     scripts/web.sh scripts/web-deps.sh scripts/scorm.py -newer "$newest" -type f -print -quit 2>/dev/null)" ]; then
  stale=1
fi
if [ $stale -eq 1 ]; then
  echo "== build (browser)"
  ./scripts/web.sh
  touch "$stamp"
fi

native=${METALLO_NATIVE:-}
if [ -z "$native" ]; then
  echo "== build (native program, for the comparison)"
  if [ ! -f build/build.ninja ]; then
    ./scripts/setup.sh
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  fi
  cmake --build build -j "$(nproc 2>/dev/null || echo 2)" --target metallographie metallo_dist
  native=build/desktop/metallographie
fi

command -v node >/dev/null || { echo "node fehlt (scripts/setup.sh installiert es)" >&2; exit 1; }
[ -x "${CHROMIUM:-/usr/bin/chromium}" ] || { echo "chromium fehlt (scripts/setup.sh installiert es)" >&2; exit 1; }

failed=()
echo "== browser: reference pictures"
timeout 900 node tests/web/reference.mjs || failed+=(reference)
echo "== browser: script interface against the native program"
timeout 300 node tests/web/script.mjs --native "$native" || failed+=(script)
echo "== browser: live clock"
timeout 300 node tests/web/live.mjs || failed+=(live)
echo "== browser: controls"
timeout 300 node tests/web/controls.mjs || failed+=(controls)
echo "== browser: the page (server, head, single file, contrast, menu keys)"
timeout 300 node tests/web/page.mjs --native "$native" || failed+=(page)
echo "== browser: every window's text alternative"
timeout 300 node tests/web/describe.mjs || failed+=(describe)
echo "== browser: phones and tablets (screen, taps, the keyboard walk)"
timeout 600 node tests/web/devices.mjs --native "$native" || failed+=(devices)
echo "== browser: the package for learning platforms (SCORM 1.2)"
runtime=build-web/npm/node_modules/scorm-again
if [ ! -f "$runtime/dist/scorm12.js" ]; then
  command -v npm >/dev/null || { echo "npm fehlt (für die SCORM-Laufzeit scorm-again)" >&2; exit 1; }
  mkdir -p build-web/npm
  npm install --no-audit --no-fund --prefix build-web/npm scorm-again@3 >/dev/null
fi
timeout 300 node tests/web/scorm.mjs --runtime "$runtime" || failed+=(scorm)
if [ $bench -eq 1 ]; then
  echo "== browser: benchmarks"
  timeout 300 node tests/web/bench.mjs || true
  echo "== browser engine: a whole new microscope field of 1024x768"
  NODE_PATH=/usr/share/nodejs cmake --build build-web --target metallo_field_bench >/dev/null &&
    timeout 300 node build-web/web/metallo_field_bench.js || true
fi

echo "== browser tests took $(( $(date +%s) - start )) s"
if [ ${#failed[@]} -gt 0 ]; then
  echo "browser tests failed: ${failed[*]}" >&2
  exit 1
fi
