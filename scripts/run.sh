#!/usr/bin/env bash
# Runs the program. Until the Windows program lands this runs the diagnostics tool on a
# generated camera frame: it writes the frame and the tool's answer to an output folder.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/setup-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native -j "$(nproc)" --target halvertone-probe
out="$root/out/run-$(date +%Y%m%d-%H%M%S)"
mkdir -p "$out"
probe="$root/build/native/tools/halvertone-probe"
"$probe" frame --out "$out/frame.bmp" --background 20 --spot 320,240,3,255
echo "spot in a generated frame (threshold 150, mouse mode):"
"$probe" spot --threshold 150 --mode mouse "$out/frame.bmp" | tee "$out/spot.json"
echo "output: $out"
