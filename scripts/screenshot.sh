#!/usr/bin/env bash
# Takes the screenshot of the main editor that the AppStream metadata shows,
# packaging/screenshots/main-editor.png: the program in a virtual screen with
# settings of its own that open the main editor straight away, a nickname
# typed and its code generated, the window alone saved as PNG.
#   scripts/screenshot.sh [DISPLAY_NUMBER]        (99 unless given)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --all
cmake --preset default >/dev/null
cmake --build --preset default --target chromanick

display=":${1:-99}"
out=packaging/screenshots/main-editor.png
home=$(mktemp -d)
xvfb="" app=""
# The program ends before its screen does.
stop() {
    if [[ -n $app ]]; then kill "$app" && wait "$app" 2>/dev/null || true; fi
    if [[ -n $xvfb ]]; then kill "$xvfb" || true; fi
    rm -rf "$home"
}
trap stop EXIT

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
xvfb=$!
export DISPLAY=$display HOME=$home XDG_DATA_HOME=$home/.local/share
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
# The Messenger Plus! question answered, the launch automatic.
mkdir -p "$XDG_DATA_HOME/Chromanick"
printf "L'utilisateur possède Msn Plus?\r\nOk\r\nLancement automatique?\r\nauto\r\n" |
    iconv -f UTF-8 -t WINDOWS-1252 >"$XDG_DATA_HOME/Chromanick/nkp.dll"
sleep 1
build/bin/chromanick &
app=$!

window=$(xdotool search --sync --onlyvisible --name '^Chromanick, par Tiwakan\.$' | head -1)
sleep 1
# Places in the window, menu bar included: the nickname box (its hint
# replaced by a nickname), the text colour "Bleu", "Gras", then "Générer le
# pseudo.".
click() { xdotool mousemove --window "$window" "$1" "$2" click 1 && sleep 0.3; }
click 495 29
xdotool key ctrl+a
xdotool type --delay 40 'Tiwakan'
click 15 128
click 558 373
click 840 442
sleep 1
mkdir -p "$(dirname "$out")"
import -window "$window" -strip -define png:compression-level=9 "png:$out"
identify "$out"
