#!/usr/bin/env bash
# Installs the Debian packages the program needs to build and run (only those missing).
#   setup.sh        everything: the desktop program, its tests and the browser version
#   setup.sh --web  only what the browser version needs (scripts/web.sh)
#   setup.sh --desktop  only what the desktop program needs (scripts/run.sh)
# The browser version builds its libraries from Debian's source packages, so a deb-src entry
# for the release's main component is added to the apt sources when there is none.
set -euo pipefail

native=(build-essential cmake ninja-build pkg-config qt6-base-dev libfreetype-dev libjpeg-dev libpng-dev
        fonts-liberation2 libgtest-dev libbenchmark-dev xvfb
        desktop-file-utils appstream dpkg-dev file groff-base libx11-dev libxtst-dev libxrl-dev)
web=(build-essential cmake ninja-build dpkg-dev fonts-liberation2 fonttools emscripten nodejs python3 brotli)
browser=(chromium)

with_web=1
case "${1:-}" in
  --web) packages=("${web[@]}") ;;
  --desktop) packages=("${native[@]}"); with_web=0 ;;
  "") packages=("${native[@]}" "${web[@]}" "${browser[@]}") ;;
  *) echo "Aufruf: setup.sh [--web|--desktop]" >&2; exit 2 ;;
esac

# The browser tests fetch one npm package (the learning platforms' SCORM runtime): Debian's
# npm only where no npm is installed (a Node.js from elsewhere brings its own).
if [ -z "${1:-}" ] && ! command -v npm >/dev/null; then
  packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
  case " ${missing[*]-} " in *" $p "*) continue ;; esac
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done

# A deb-src entry for the release's main component, copied from the entry the machine already
# uses for its binary packages (same mirror, same key).
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
src_list=/etc/apt/sources.list.d/metallographie-src.sources
need_src=0
if [ $with_web -eq 1 ] && [ -n "$codename" ] && ! grep -rqsE "^[[:space:]]*(deb-src[[:space:]]|Types:.*deb-src)" \
     /etc/apt/sources.list /etc/apt/sources.list.d/; then
  need_src=1
fi

if [ ${#missing[@]} -eq 0 ] && [ $need_src -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Bitte als root ausführen oder sudo installieren (fehlt: ${missing[*]-}$([ $need_src -eq 1 ] && echo " deb-src"))" >&2; exit 1; }
  sudo="sudo"
fi

if [ $need_src -eq 1 ]; then
  uri="" keyring=""
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    # First stanza that carries the release itself: take its URIs and Signed-By.
    read -r uri keyring < <(awk -v rel="$codename" '
      BEGIN { RS = ""; FS = "\n" }
      {
        u = ""; k = ""; s = 0
        for (i = 1; i <= NF; i++) {
          if ($i ~ /^URIs:/) { u = $i; sub(/^URIs:[ \t]*/, "", u); sub(/[ \t].*/, "", u) }
          if ($i ~ /^Signed-By:/) { k = $i; sub(/^Signed-By:[ \t]*/, "", k) }
          if ($i ~ /^Suites:/) { n = split(substr($i, 8), a, /[ \t]+/); for (j = 1; j <= n; j++) if (a[j] == rel) s = 1 }
        }
        if (s && u != "") { print u, k; exit }
      }' /etc/apt/sources.list.d/debian.sources) || true
  fi
  if [ -z "$uri" ] && [ -f /etc/apt/sources.list ]; then
    uri=$(awk -v rel="$codename" '$1 == "deb" && $0 !~ /\[/ && $3 == rel { print $2; exit }' /etc/apt/sources.list)
  fi
  [ -n "$uri" ] || uri=http://deb.debian.org/debian
  echo "Füge Quellpakete hinzu: $uri $codename main ($src_list)"
  {
    echo "Types: deb-src"
    echo "URIs: $uri"
    echo "Suites: $codename"
    echo "Components: main"
    [ -n "$keyring" ] && echo "Signed-By: $keyring"
  } | $sudo tee "$src_list" >/dev/null
fi

$sudo apt-get update -qq
if [ ${#missing[@]} -ne 0 ]; then
  echo "Installiere: ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
