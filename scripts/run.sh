#!/usr/bin/env bash
# Sets up, builds and starts the program. Arguments go to the program (e.g. --screen 1024x768).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh --desktop
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target metallographie
exec ./build/desktop/metallographie "$@"
