#!/usr/bin/env bash
# Runs the program: builds the Windows program, lays out a program directory with the
# synthetic camera and a stored calibration, starts it under Wine (in Xvfb at 1024 x 768 when
# no display is set), lets the virtual pen drive the real cursor, and leaves a screenshot and
# the cursor's path in an output folder named in the last line.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/setup-deps.sh
jobs=$(nproc)
cmake --preset windows >/dev/null
# The program and what lies beside it (language files, icons and Setting.ini are laid out
# when the tree is configured).
cmake --build --preset windows -j "$jobs" --target halvertone Grab_Screen shared_kit picture_kit stroke_kit
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs" --target halvertone-probe >/dev/null

run="$root/out/run-$(date +%Y%m%d-%H%M%S)"
mkdir -p "$run"
cp -r "$root/build/windows/program/." "$run/"

source scripts/wine-session.sh
wine_session_start "$root/build/windows" 1024x768
trap wine_session_stop EXIT
screen=$(xdpyinfo | awk '/dimensions:/ && !seen {print $2; seen = 1}')
echo "screen: $screen"

cat >> "$run/Setting.ini" <<'INI'

[SIMULATION]
Camera=1
Pen Script=pen.txt
Cursor Log=cursor.log
K1=-0.05
INI
# The virtual pen: a drag across the screen, a tap, a lift. Times count from the start.
cat > "$run/pen.txt" <<'PEN'
# ms down x y | ms up
1500 down 200 200
1800 down 400 250
2100 down 600 300
2400 down 800 400
2700 up
3500 down 512 384
3600 up
PEN
"$root/build/native/tools/halvertone-probe" simcalibrate --dir "$run" --screen "$screen" >/dev/null

echo "starting halvertone.exe with the synthetic camera"
"$root/build/windows/wine-run.sh" "$run/halvertone.exe" >"$run/program.log" 2>&1 &
program=$!
sleep 8
import -window root "$run/screen.png" 2>/dev/null || echo "no screenshot (import failed)"

echo "cursor path (ms x y):"
if [ -s "$run/cursor.log" ]; then
    awk 'NR == 1 || NR % 10 == 0' "$run/cursor.log" | head -20
else
    echo "(no cursor log)"
fi

# Exit through the running instance: "/q" asks it to exit; its confirmation is answered.
"$root/build/windows/wine-run.sh" "$run/halvertone.exe" /q >/dev/null 2>&1 || true
for _ in $(seq 1 20); do
    sleep 0.5
    kill -0 "$program" 2>/dev/null || break
    xdotool key Return 2>/dev/null || true
done
kill -0 "$program" 2>/dev/null && echo "program still running; stopping Wine" || echo "program exited"
echo "output: $run"
