#!/usr/bin/env bash
# Runs the program through a whole lesson: builds the Windows program, starts it under Wine
# (in Xvfb at 1024 x 768 when no display is set) with a virtual webcam, and lets a virtual
# user calibrate, click, write, erase, clean and redraw, save a capture and exit. Each step's
# result is printed; its screenshots, the saved capture and the logs go into the output folder
# named in the last line. Exits non-zero when a step failed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/setup-deps.sh
jobs=$(nproc)
cmake --preset windows >/dev/null
# The program and what lies beside it (language files, icons and Setting.ini are laid out
# when the tree is configured), the lesson's virtual user and the virtual webcam it plugs in.
cmake --build --preset windows -j "$jobs" --target halvertone Grab_Screen shared_kit picture_kit \
    stroke_kit halvertone-lesson virtual_webcam virtual_webcam_ctl

run="$root/out/run-$(date +%Y%m%d-%H%M%S)"
mkdir -p "$run"
source scripts/wine-session.sh
wine_session_start "$root/build/windows" 1024x768
trap wine_session_stop EXIT

set +e
bash scripts/lesson.sh "$root/build/windows" "$run"
status=$?
set -e
echo "output: $run"
exit $status
