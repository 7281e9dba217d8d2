#!/usr/bin/env bash
# Renders the screenshots in docs/screenshots/ through the headless mode, at 1024x768.
#
#   ./scripts/screenshots.sh [PROGRAMM]     (default: build/desktop/metallographie)
#
# Each row of the list below is one picture: file name, the caption the README and the
# AppStream metadata give it, and the headless commands that lead to the moment shown
# (separated by ";"). Every picture starts from a freshly started program; the script
# ends each one with "capture screen". Add a row when a window is worth showing.
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/desktop/metallographie}
out=docs/screenshots

shots=(
  "titel|Das Titelfenster nach seiner Eröffnungsanimation|advance 2000"
  "uebersicht|Die Kapitelübersicht mit dem Hauptmenü|advance 2000; menu TFormHaupt Programmstarten1; advance 2000"
  "bildseite|Eine Bildseite: das Rasterelektronenmikroskop in der Gesamtübersicht|menu TFormHaupt Programmstarten1; menu TFormMetallo Gesamtdarstellung1; advance 500"
  "rasterscan|Strahlengang beim REM: das Bild entsteht Zeile für Zeile|menu TFormHaupt Programmstarten1; menu TFormMetallo StrahlengangbeimREM1; menu TFormREMRaster NeuStarten1; advance 1150"
  "makroskopie|Makroskopie: das Stereomikroskop|menu TFormHaupt Programmstarten1; menu TFormMetallo Stereomikroskop1; advance 500"
  "lichtmikroskopie|Lichtmikroskopie: Strahlengang an einer polierten und geätzten Probe|menu TFormHaupt Programmstarten1; menu TFormMetallo StrahlenganganeinerpoliertenundgetztenProbe1; menu TFormSLicht StrahlP; advance 5000; menu TFormSLicht StrahlG; advance 2000"
  "glossar|Das Glossar: Begriffe suchen, nachlesen und im Programm ansehen|menu TFormHaupt Programmstarten1; menu TFormMetallo Glossar1; type TFormGlossar rück; keys TFormGlossar down"
  # Rows to add as their windows land (the window's menu item, then its telling moment):
  # "ionisation|Mikrobereichsanalyse: Ionisation eines Probenatoms|menu TFormHaupt Programmstarten1; menu TFormMetallo CharakteristischeRntgenstrahlen1; advance 500"
)

[ -x "$program" ] || { echo "Programm fehlt: $program (erst bauen: cmake --build build)" >&2; exit 1; }
mkdir -p "$out"
for row in "${shots[@]}"; do
  IFS='|' read -r name caption steps <<<"$row"
  script=$(tr ';' '\n' <<<"$steps")
  # The program notes on standard output what had no effect (a menu item not chosen ...):
  # a picture of the wrong moment is no picture.
  notes=$(printf '%s\ncapture screen %s\n' "$script" "$out/$name.png" |
            "$program" --headless --screen 1024x768 --script -)
  [ -z "$notes" ] || { echo "$name: $notes" >&2; exit 1; }
  echo "$out/$name.png: $caption"
done
