#!/usr/bin/env bash
# halvertone-probe spot: JSON on stdout for good frames, a message and status 2 for bad files.
set -u
probe="$1"
source "$(dirname "$0")/lib/check.sh"

"$probe" frame --out "$dir/dark.bmp" --background 30
check "dark frame" '{"hit":null,"present":false}' "$("$probe" spot --threshold 150 --mode mouse "$dir/dark.bmp")"

"$probe" frame --out "$dir/spot.bmp" --spot 200,100,2,255
out=$("$probe" spot --threshold 150 --mode pen "$dir/spot.bmp")
check "spot frame" '{"hit":[200,98],"box":[199,201,99,101],"centre":[200,100],"present":true}' "$out"

# A spot on the last rows: pen mode scans it (and its refinement window is empty), mouse
# mode never scans those rows.
"$probe" frame --out "$dir/low.bmp" --spot 300,479,1,255
check "mouse skips the last rows" '{"hit":null,"present":true}' "$("$probe" spot --threshold 150 --mode mouse "$dir/low.bmp")"
check "pen scans them" '{"hit":[300,478],"box":[1000,0,1000,0],"centre":[500,500],"present":true}' \
      "$("$probe" spot --threshold 150 --mode pen "$dir/low.bmp")"

check_bad_frames "$dir/spot.bmp" spot --threshold 150 --mode mouse
"$probe" spot --threshold 999 --mode mouse "$dir/spot.bmp" 2>/dev/null
check "bad threshold" 2 $?
"$probe" spot --threshold 150 --mode draw "$dir/spot.bmp" 2>/dev/null
check "bad mode" 2 $?
exit $fail
