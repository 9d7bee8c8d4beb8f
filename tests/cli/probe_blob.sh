#!/usr/bin/env bash
# halvertone-probe blob: the calibration scan on recorded frames, as JSON; bad files exit 2.
set -u
probe="$1"
source "$(dirname "$0")/lib/check.sh"

"$probe" frame --out "$dir/dark.bmp" --background 30
check "dark frame" '{"blob":null}' "$("$probe" blob --threshold 150 "$dir/dark.bmp")"

# A spot of sigma 2 and peak 255 at (200, 100): 255 at the peak, 225 one pixel away, 199
# diagonally, 155 two pixels away in a line, 136 at (2, 1). Above 150: rows 98 and 102 hold a
# single pixel each (never offered), rows 99..101 make the blob 198..202 x 99..101. Half of
# its 15 pixels (7) reach 199: runs 199..201 in every row, refined to (200, 100).
"$probe" frame --out "$dir/spot.bmp" --spot 200,100,2,255
check "spot frame" '{"blob":[198,99,202,101],"level":199,"refined":[200,100]}' \
      "$("$probe" blob --threshold 150 "$dir/spot.bmp")"

# Above 200 only row 100 has a run: a one-row blob never completes.
check "one-row blob" '{"blob":null}' "$("$probe" blob --threshold 200 "$dir/spot.bmp")"

# Every row bright up to the right edge: nothing is ever offered.
"$probe" frame --out "$dir/bright.bmp" --background 160
check "bright frame" '{"blob":null}' "$("$probe" blob --threshold 150 "$dir/bright.bmp")"

# A spot cut by the right edge is never offered.
"$probe" frame --out "$dir/edge.bmp" --spot 639,200,3,255
check "right edge" '{"blob":null}' "$("$probe" blob --threshold 150 "$dir/edge.bmp")"

check_bad_frames "$dir/spot.bmp" blob --threshold 150
"$probe" blob --threshold 256 "$dir/spot.bmp" 2>/dev/null
check "bad threshold" 2 $?
"$probe" blob "$dir/spot.bmp" 2>/dev/null
check "missing threshold" 2 $?
"$probe" blob --threshold 150 2>/dev/null
check "missing frame" 2 $?
exit $fail
