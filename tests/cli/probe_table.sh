#!/usr/bin/env bash
# halvertone-probe table: the camera-to-screen table of a program directory, the JSON summary,
# and the settings file written only by a flag-1 build.
set -u
probe="$1"
source "$(dirname "$0")/lib/check.sh"

entry() {  # TABLE.bin x y -> "sx sy"
    od -An -t d4 -j $(( ($2 * 480 + $3) * 8 )) -N 8 "$1" | xargs
}

# The thirteen measured points of a straight lattice: columns 100..500, rows 80..400.
cat > "$dir/Setting.ini" <<'INI'
[SETTING]
Calibration 1-x=100
Calibration 1-y=80
Calibration 2-x=300
Calibration 2-y=80
Calibration 3-x=500
Calibration 3-y=80
Calibration 4-x=100
Calibration 4-y=240
Calibration 5-x=300
Calibration 5-y=240
Calibration 6-x=500
Calibration 6-y=240
Calibration 7-x=100
Calibration 7-y=400
Calibration 8-x=300
Calibration 8-y=400
Calibration 9-x=500
Calibration 9-y=400
Calibration_2 1-x=200
Calibration_2 1-y=160
Calibration_2 2-x=400
Calibration_2 2-y=160
Calibration_2 3-x=200
Calibration_2 3-y=320
Calibration_2 4-x=400
Calibration_2 4-y=320
INI
cp "$dir/Setting.ini" "$dir/before.ini"

out=$("$probe" table --dir "$dir" --screen 1024x768 --out "$dir/t.bin")
check "flag 0 status" 0 $?
check "flag 0 summary" '{"scanWindow":[0,0,640,480],"regionBox":[100,80,500,400],"unknownBoth":0,"unknownX":0,"unknownY":0}' "$out"
check "table size" 2457600 "$(stat -c %s "$dir/t.bin")"
# Without "Mapping Mode" the cells stand for screen quarters: cell 5 from (256, 192), 257 x 193
# pixels: 256 + trunc(50 * 257 / 100), 192 + trunc(40 * 193 / 80).
check "cell 5" "384 288" "$(entry "$dir/t.bin" 250 200)"
# Cell 1 at its left edge: 54 * 193 / 80 = 130.3, in the band H/6..H/3 shifted by 3.
check "shifted band" "256 133" "$(entry "$dir/t.bin" 200 134)"
check "cell 0" "128 48" "$(entry "$dir/t.bin" 150 100)"
# Cells 12 and 15, 72.4 rows into the bottom row: 576 + 72 lies in the corner bands (+4).
check "cell 12" "51 652" "$(entry "$dir/t.bin" 120 350)"
check "cell 15" "896 652" "$(entry "$dir/t.bin" 450 350)"
check "untouched outside" "0 0" "$(entry "$dir/t.bin" 50 50)"
cmp -s "$dir/Setting.ini" "$dir/before.ini" && echo "ok   flag 0 leaves Setting.ini" ||
    { echo "FAIL flag 0 changed Setting.ini"; fail=1; }

# Mode 1: cell 5 from the first inner target's cross (262, 198) to the middle one's (513, 384),
# no band shifted. Mode 2 without measured points falls back to exactly that table.
printf 'Mapping Mode=1\r\n' >> "$dir/Setting.ini"
"$probe" table --dir "$dir" --screen 1024x768 --out "$dir/m1.bin" >/dev/null
check "mode 1 cell 5" "387 291" "$(entry "$dir/m1.bin" 250 200)"
check "mode 1 unshifted band" "262 133" "$(entry "$dir/m1.bin" 200 134)"
sed -i 's/^Mapping Mode=1/Mapping Mode=2/' "$dir/Setting.ini"
"$probe" table --dir "$dir" --screen 1024x768 --out "$dir/m2.bin" >/dev/null
cmp -s "$dir/m1.bin" "$dir/m2.bin" && echo "ok   mode 2 without measured points is mode 1" ||
    { echo "FAIL mode 2 without measured points"; fail=1; }
# A calibration in mode 2 saves the points as measured; the restart's build uses them.
"$probe" table --dir "$dir" --screen 1024x768 --flag 1 --out "$dir/m2c.bin" >/dev/null
case "$(tr -d '\r' < "$dir/Setting.ini")" in
    *"Measured Point 1-x=100"*"Measured Point 13-y=320"*) echo "ok   measured points saved" ;;
    *) echo "FAIL measured points not saved"; fail=1 ;;
esac
"$probe" table --dir "$dir" --screen 1024x768 --out "$dir/m2r.bin" >/dev/null
cmp -s "$dir/m2c.bin" "$dir/m2r.bin" && echo "ok   mode 2 rebuilt after a restart" ||
    { echo "FAIL mode 2 table changed after a restart"; fail=1; }
cmp -s "$dir/m1.bin" "$dir/m2r.bin" && { echo "FAIL mode 2 kept the lattice table"; fail=1; } ||
    echo "ok   mode 2 fills from the model"
cp "$dir/before.ini" "$dir/Setting.ini"

"$probe" table --dir "$dir" --screen 1024x768 --flag 1 --out "$dir/missing/t.bin" 2>/dev/null
check "unwritable table status" 2 $?
cmp -s "$dir/Setting.ini" "$dir/before.ini" && echo "ok   failed run leaves Setting.ini" ||
    { echo "FAIL failed run changed Setting.ini"; fail=1; }

out=$("$probe" table --dir "$dir" --screen 1024x768 --flag 1 --out "$dir/t1.bin")
check "flag 1 summary" '{"scanWindow":[0,0,640,480],"regionBox":[92,72,508,408],"unknownBoth":0,"unknownX":0,"unknownY":0}' "$out"
ini=$(tr -d '\r' < "$dir/Setting.ini")
for line in "Calibration-Screen-x=1024" "Calibration-Screen-y=768" "Calibration 1-x=92" \
            "Calibration 1-y=72" "Calibration 9-x=508" "Calibration_2 5-y=72" "Projector Position=0"; do
    case "$ini" in *"$line"*) echo "ok   saved $line" ;; *) echo "FAIL not saved: $line"; fail=1 ;; esac
done

mkdir "$dir/empty"
out=$("$probe" table --dir "$dir/empty" --screen 1920x1080 --flag 1 --out "$dir/t2.bin")
check "fresh install summary" '{"scanWindow":[0,0,640,480],"regionBox":[-1,-1,1,1],"unknownBoth":0,"unknownX":0,"unknownY":0}' "$out"
[ -e "$dir/empty/Setting.ini" ] && { echo "FAIL flag 1 created Setting.ini"; fail=1; } ||
    echo "ok   no settings file, nothing written"

for bad in "--screen 1024 --out $dir/x.bin" "--screen 0x768 --out $dir/x.bin" \
           "--screen 1024x768 --flag 2 --out $dir/x.bin" "--screen 1024x768"; do
    # shellcheck disable=SC2086
    "$probe" table --dir "$dir" $bad >/dev/null 2>&1
    check "bad arguments: $bad" 2 $?
done
"$probe" table --dir "$dir/nowhere" --screen 1024x768 --out "$dir/x.bin" >/dev/null 2>&1
check "missing directory" 2 $?
exit $fail
