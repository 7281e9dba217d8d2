#!/usr/bin/env bash
# Installs the built program into a temporary prefix, checks what lands where,
# validates the desktop entry, the AppStream metadata and the manual page, starts the
# installed program without a display, and builds the Debian package from the same
# build (nothing is compiled again).
#
#   check_install.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
id=de.metallographie.Metallographie
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FEHLER: $*" >&2; failures=$((failures + 1)); }
need() { command -v "$1" >/dev/null || { echo "FEHLER: $1 fehlt (scripts/setup.sh installiert es)" >&2; exit 1; }; }
for tool in desktop-file-validate appstreamcli dpkg-deb dpkg-shlibdeps file groff cpack; do need "$tool"; done

echo "== cmake --install"
prefix=$work/prefix/usr
cmake --install "$build" --prefix "$prefix" >"$work/install.log"

expected=(
  bin/metallographie
  share/applications/$id.desktop
  share/metainfo/$id.metainfo.xml
  share/man/man1/metallographie.1.gz
)
for size in 16 22 24 32 48 64 128 256; do expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png"); done
for f in "${expected[@]}"; do [ -f "$prefix/$f" ] || fail "nicht installiert: $f"; done
# Nothing else: no libraries, headers or test programs in the prefix.
extra=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort | comm -13 <(printf '%s\n' "${expected[@]}" | sort) -)
[ -z "$extra" ] || fail "unerwartet installiert: $extra"
[ -x "$prefix/bin/metallographie" ] || fail "bin/metallographie ist nicht ausführbar"

for size in 16 22 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$icon" ] || continue
  file -b "$icon" | grep -q "PNG image data, $size x $size, 8-bit/color RGBA" || fail "Symbol $size: $(file -b "$icon")"
done

echo "== desktop entry"
desktop=$prefix/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
grep -qx 'Name=Metallographie' "$desktop" || fail "Name fehlt"
grep -qx 'Categories=Education;Science;' "$desktop" || fail "Kategorien"
grep -qx 'Exec=metallographie' "$desktop" || fail "Exec"
grep -qx "Icon=$id" "$desktop" || fail "Icon"

echo "== AppStream metadata"
metainfo=$prefix/share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "launchable"
version=$("$prefix/bin/metallographie" --version | awk '{print $2}')
grep -q "<release version=\"$version\"" "$metainfo" || fail "Version $version fehlt in den Metadaten"
# The metadata names exactly the committed screenshots, and each one is 1024x768.
named=$(grep -o '/[a-z0-9_-]*\.png</image>' "$metainfo" | sed 's|^/||; s|</image>$||' | sort)
present=$(cd "$source/docs/screenshots" && ls *.png | sort)
[ "$named" = "$present" ] || fail "Bildschirmfotos: Metadaten nennen [$named], docs/screenshots hat [$present]"
for png in "$source"/docs/screenshots/*.png; do
  file -b "$png" | grep -q "1024 x 768" || fail "$(basename "$png"): $(file -b "$png")"
  grep -q "docs/screenshots/$(basename "$png")" "$source/README.md" || fail "README zeigt $(basename "$png") nicht"
done

echo "== manual page"
man1=$work/metallographie.1
gzip -dc "$prefix/share/man/man1/metallographie.1.gz" >"$man1"
warnings=$(LC_ALL=C.UTF-8 groff -k -man -Tutf8 -ww -z "$man1" 2>&1)
[ -z "$warnings" ] || fail "groff: $warnings"
grep -q "^.TH METALLOGRAPHIE 1 .*\"metallographie $version\"" "$man1" || fail "Handbuchseite nennt nicht Version $version"
# Every option of the program's own help is described.
for option in $("$prefix/bin/metallographie" --help | grep -o -- '--[a-z]*' | sort -u); do
  grep -q -- "${option//-/\\\\-}" "$man1" || fail "Handbuchseite beschreibt $option nicht"
done

echo "== the installed program"
(cd "$work" && printf 'advance 2000\ncapture screen titel.png\n' |
   env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/metallographie" --headless --screen 800x600) || fail "headless"
file -b "$work/titel.png" 2>/dev/null | grep -q "800 x 600" || fail "kein Bild vom installierten Programm"

echo "== cpack -G DEB"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack"; }
deb=$(ls "$work"/package/metallographie_*.deb 2>/dev/null | head -n1)
if [ -z "$deb" ]; then
  fail "kein Paket gebaut"
else
  dpkg-deb -c "$deb" >"$work/contents"
  for f in "${expected[@]}"; do grep -q " \./usr/$f\$" "$work/contents" || fail "nicht im Paket: $f"; done
  depends=$(dpkg-deb -f "$deb" Depends)
  for lib in libc6 libqt6widgets6 libqt6gui6 libqt6core6 libfreetype6 libpng16-16 libjpeg; do
    grep -q "$lib" <<<"$depends" || fail "Abhängigkeit $lib fehlt: $depends"
  done
  # Stripped: far smaller than the build's program with its debug information.
  dpkg-deb -x "$deb" "$work/unpacked"
  file -b "$work/unpacked/usr/bin/metallographie" | grep -q ", stripped" || fail "Programm im Paket nicht gestrippt"
  echo "$(basename "$deb"): Depends: $depends"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures Fehler" >&2
  exit 1
fi
echo "alles in Ordnung"
