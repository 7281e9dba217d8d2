#!/usr/bin/env bash
# Installs the Debian packages the program needs to build and run (only those missing).
set -euo pipefail

packages=(build-essential cmake ninja-build pkg-config qt6-base-dev libfreetype-dev libjpeg-dev libpng-dev
          fonts-liberation2 libgtest-dev libbenchmark-dev xvfb
          desktop-file-utils appstream dpkg-dev file groff-base libx11-dev libxtst-dev)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Bitte als root ausführen oder sudo installieren (fehlt: ${missing[*]})" >&2; exit 1; }
  sudo="sudo"
fi
echo "Installiere: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
