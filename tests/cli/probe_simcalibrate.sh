#!/usr/bin/env bash
# halvertone-probe simcalibrate: the calibration a flawless run stores for the virtual
# webcam, so that the table built from it maps the centre target back to the screen's centre.
set -u
probe="$1"
source "$(dirname "$0")/lib/check.sh"

entry() {  # TABLE.bin x y -> "sx sy"
    od -An -t d4 -j $(( ($2 * 480 + $3) * 8 )) -N 8 "$1" | xargs
}
key() {  # name -> value in Setting.ini
    sed -n "s/^$1=\([-0-9]*\).*/\1/p" "$dir/Setting.ini"
}

"$probe" simcalibrate --dir "$dir" --screen 1024x768 >"$dir/out" 2>"$dir/err"
check "no settings file status" 2 "$?"
[ -s "$dir/out" ] && { echo "FAIL no settings file: printed on stdout"; fail=1; }

printf '[SETTING]\nPID=\n' > "$dir/Setting.ini"
printf '[Webcam]\nK1=-0.05\n' > "$dir/webcam.ini"
"$probe" simcalibrate --dir "$dir" --screen 1024x768 --webcam "$dir/none.ini" >/dev/null 2>&1
check "missing webcam file status" 2 "$?"
out=$("$probe" simcalibrate --dir "$dir" --screen 1024x768 --webcam "$dir/webcam.ini")
check "status" 0 $?
check "summary" '{"stored":true,"k1":-0.05,"tilt":0}' "$out"
check "screen size stored" "1024 768" "$(key Calibration-Screen-x) $(key Calibration-Screen-y)"

"$probe" table --dir "$dir" --screen 1024x768 --out "$dir/t.bin" >/dev/null
check "table status" 0 $?
read -r sx sy <<<"$(entry "$dir/t.bin" "$(key 'Calibration 5-x')" "$(key 'Calibration 5-y')")"
# The centre target's cross is the screen's centre; the table holds it within a pixel or two.
if [ $(( (sx - 512) * (sx - 512) + (sy - 384) * (sy - 384) )) -le 9 ]; then
    echo "ok   centre maps to the centre"
else
    echo "FAIL centre maps to [$sx $sy]"; fail=1
fi

"$probe" simcalibrate --dir "$dir" --screen 1024 >/dev/null 2>&1
check "bad screen status" 2 "$?"
exit $fail
