#!/usr/bin/env bash
# One scripted lesson with the built program, inside a running Wine session (see
# wine-session.sh): lays out a program directory with the synthetic camera (slightly tilted,
# with lens distortion) steered live by the virtual user, plays the lesson and turns its
# screenshots into PNG files. Usage: lesson.sh WINDOWS_BUILD_DIR OUTPUT_DIR
# Exits non-zero when a step failed.
set -euo pipefail
build=$1 out=$2
rm -rf "$out/program" "$out"/*.png "$out"/*.ppm
mkdir -p "$out/program"
cp -r "$build/program/." "$out/program/"
screen=$(xdpyinfo | awk '/dimensions:/ && !seen {print $2; seen = 1}')
echo "screen: $screen"
# The lesson writes on the desktop itself, without the companion board.
sed -i 's/^Pen Button Mode=.*/Pen Button Mode=0/' "$out/program/Setting.ini"
cat >> "$out/program/Setting.ini" <<'INI'

[SIMULATION]
Camera=1
Live Pen=1
Cursor Log=cursor.log
Camera Log=camera.log
K1=-0.05
Tilt=0.05
INI

set +e
timeout 240 "$build/wine-run.sh" "$build/tools/win32/lesson/halvertone-lesson.exe" \
    "$out/program" "$out" 2>"$out/lesson.log"
status=$?
set -e
for shot in "$out"/*.ppm; do
    [ -e "$shot" ] || continue
    convert "$shot" "${shot%.ppm}.png" && rm -f "$shot"
done
[ $status -eq 0 ] && echo "lesson: every step passed" || echo "lesson: FAILED (status $status)"
exit $status
