#!/usr/bin/env bash
# One scripted lesson with the built program, inside a running Wine session (see
# wine-session.sh): lays out a program directory, plugs in a virtual webcam (slightly tilted,
# with lens distortion) whose pen the virtual user steers live, plays the lesson and turns its
# screenshots into PNG files. Usage: lesson.sh WINDOWS_BUILD_DIR OUTPUT_DIR
# Exits non-zero when a step failed.
set -euo pipefail
build=$1 out=$2
rm -rf "$out/program" "$out"/*.png "$out"/*.ppm
mkdir -p "$out/program"
cp -r "$build/program/." "$out/program/"
screen=$(xdpyinfo | awk '/dimensions:/ && !seen {print $2; seen = 1}')
echo "screen: $screen"
# The lesson writes on the desktop itself, without the companion board. Like a fresh
# installation it names no camera: the program offers the ones present and the teacher takes
# the lesson's. Its camera has a lens, so the teacher has chosen the precise mapping (until the
# lesson's own calibration it runs on the lattice on the crosses).
vid=1d6b pid=0c01
sed -i -e 's/^Pen Button Mode=.*/Pen Button Mode=0/' -e "s/^VID=[^\r]*/VID=/" \
    -e "s/^PID=[^\r]*/PID=/" -e 's/^Mapping Mode=.*/Mapping Mode=2/' "$out/program/Setting.ini"
cat > "$out/webcam.ini" <<'INI'
[Webcam]
LivePen=1
K1=-0.05
Tilt=0.05
INI
webcam="$(dirname "$0")/virtual-webcam.sh"
camera="Halvertone Lesson Camera"
"$webcam" "$build" register
"$webcam" "$build" plug "$camera" "$vid" "$pid" "$out/webcam.ini"
trap '"$webcam" "$build" unplug "$camera" >/dev/null 2>&1 || true' EXIT

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
