#!/usr/bin/env bash
# Screenshots of the drawing toolbar for the README: the real program with a virtual webcam
# on a private Xvfb display of each size, docked on the side the settings name.
# Usage: scripts/toolbar-screenshots.sh [BUILD_DIR] [OUTPUT_DIR]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/windows}"
out="${2:-$root/docs/images}"
mkdir -p "$out"
source "$root/scripts/wine-session.sh"

shoot() {  # SIZE SIDE FILE
    local size="$1" side="$2" file="$3" dir
    dir="$(mktemp -d)"
    cp -r "$build/program/." "$dir/"
    printf '[SETTING]\r\nPID=0480\r\nVID=1d6b\r\nSIDE=%s\r\nPen Button Mode=0\r\n' \
        "$side" >"$dir/Setting.ini"
    (unset DISPLAY; wine_session_start "$build" "$size"
     bash "$root/scripts/virtual-webcam.sh" "$build" plug "Screenshot Camera" 1d6b 0480 >/dev/null
     (cd "$dir" && wine ./halvertone.exe >/dev/null 2>&1 &)
     # The toolbar shows once the camera delivers, a moment after the main window answers.
     for _ in $(seq 1 100); do
         "$build/wine-run.sh" "$build/process_sample.exe" halvertone.exe Halvertone 2>/dev/null |
             grep -q '"answered":true' && break
         sleep 0.2
     done
     sleep 3
     import -window root "$out/$file"
     wine_session_stop)
    rm -rf "$dir"
    echo "wrote $out/$file"
}

shoot 1024x768 0 toolbar-left-1024.png
shoot 1920x1080 1 toolbar-right-1920.png
