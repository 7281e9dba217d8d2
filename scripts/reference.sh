#!/usr/bin/env bash
# Regenerates the reference pictures: rewrites the checksums in tests/reference/*.sums
# and tests/ui/controls.sums,
# writes every picture to build/reference/ and, when ImageMagick is there, a contact
# sheet build/reference/contact-sheet.png to look at before committing the new sums.
# Arguments go to the test program (e.g. --gtest_filter='*TFormREMRaster*').
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target reference_tests ui_tests
out="$PWD/build/reference"
rm -rf "$out"
mkdir -p "$out"
METALLO_REFERENCE_UPDATE=1 METALLO_REFERENCE_DIR="$out" ./build/tests/reference_tests "$@" >/dev/null
# The controls in every state (tests/ui/controls.sums).
METALLO_REFERENCE_UPDATE=1 METALLO_REFERENCE_DIR="$out" ./build/tests/ui_tests --gtest_filter='ControlPictures.*' >/dev/null
echo "$(ls "$out" | wc -l) pictures in $out"
if command -v montage >/dev/null; then
  # Each picture is read at the tile's size (ImageMagick's resource limits refuse some
  # 350 full pictures at once), and labelled in a face that is there.
  pictures=("$out"/*.png)
  font=$(fc-match -f '%{file}' sans 2>/dev/null || true)
  montage ${font:+-font "$font"} -label '%t' -pointsize 10 -geometry 320x240+4+4 -tile 6x \
    "${pictures[@]/%/[320x240]}" "$out/contact-sheet.png"
  echo "contact sheet: $out/contact-sheet.png"
else
  echo "no contact sheet (montage from imagemagick is not installed)"
fi
git --no-pager diff --stat -- tests/reference
