#!/usr/bin/env bash
# Sets up, builds and runs every test: once in an optimised build, once under
# AddressSanitizer and UndefinedBehaviorSanitizer (a second build directory), and the
# browser version in headless Chromium (build-web/).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
jobs=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen

echo "== build (RelWithDebInfo)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
echo "== tests"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== build (AddressSanitizer + UndefinedBehaviorSanitizer)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMETALLO_SANITIZE=ON -DMETALLO_DESKTOP=OFF \
      -DMETALLO_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
echo "== tests under the sanitizers"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== browser version: build and tests in headless Chromium"
METALLO_NATIVE=build/desktop/metallographie ./scripts/web-test.sh
