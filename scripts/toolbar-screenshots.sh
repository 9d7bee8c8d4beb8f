#!/usr/bin/env bash
# Screenshots of the drawing toolbar for the README: the real program with the synthetic
# camera on a private Xvfb display of each size, docked on the side the settings name.
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
    printf '[SETTING]\r\nPID=\r\nVID=\r\nSIDE=%s\r\nPen Button Mode=0\r\n[SIMULATION]\r\nCamera=1\r\nCamera Log=camera.log\r\n' \
        "$side" >"$dir/Setting.ini"
    (unset DISPLAY; wine_session_start "$build" "$size"
     (cd "$dir" && wine ./halvertone.exe >/dev/null 2>&1 &)
     # The notification icon is the last step of the toolbar's initialisation.
     for _ in $(seq 1 100); do
         grep -q " icon " "$dir/camera.log" 2>/dev/null && break
         sleep 0.2
     done
     sleep 1
     import -window root "$out/$file"
     wine_session_stop)
    rm -rf "$dir"
    echo "wrote $out/$file"
}

shoot 1024x768 0 toolbar-left-1024.png
shoot 1920x1080 1 toolbar-right-1920.png
