#!/usr/bin/env bash
# halvertone-probe settings: the settings and language file of a program directory as JSON.
set -u
probe="$1"
resources="$(cd "$(dirname "$0")/../../resources" && pwd)"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail=0
check() {  # name expected actual
    if [ "$2" != "$3" ]; then echo "FAIL $1: expected [$2] got [$3]"; fail=1; else echo "ok   $1"; fi
}
has() {  # name fragment json
    case "$3" in *"$2"*) echo "ok   $1" ;; *) echo "FAIL $1: [$2] not in [$3]"; fail=1 ;; esac
}

out=$("$probe" settings --dir "$dir" 2>/dev/null)
check "status without files" 0 $?
has "defaults" '{"PID":[],"VID":[],"Operation Mode":0,"Pen Color":16711680,"Pen Width":3,"CheckEnv Threshold":150,"Threshold":150,' "$out"
has "default mapping" '"Projector Position":0,"Mapping Mode":0,"Measured Point 1-x":-1,' "$out"
has "default flags" '"Measured Point 13-y":-1,"count":0,"captureToolFlag":0,"boardFollowsToolFlag":1,' "$out"
has "no index, no language file" "\"languageFile\":\"$dir/Language/\"}" "$out"

printf '[SETTING]\r\nThreshold=406\r\nPID=0001,0002\r\nVID=1234\r\nPen Button Mode=3\r\nCalibration_2 16-y=-7\r\nPen Color=0x00FF00\r\n' > "$dir/Setting.ini"
out=$("$probe" settings --dir "$dir" 2>/dev/null)
has "threshold low byte" '"Threshold":150,' "$out"
has "id lists" '{"PID":["0001","0002"],"VID":["1234"],' "$out"
has "count" '"count":1,' "$out"
has "mode 3 leaves the flags" '"captureToolFlag":"unchanged","boardFollowsToolFlag":"unchanged"' "$out"
has "last calibration key" '"Calibration_2 16-y":-7,' "$out"
has "hex colour" '"Pen Color":65280,' "$out"

printf '[SETTING]\nPen Button Mode=2\nPID="a\\b"\nVID=x\n' > "$dir/Setting.ini"
out=$("$probe" settings --dir "$dir" 2>/dev/null)
has "mode 2" '"captureToolFlag":1,"boardFollowsToolFlag":0' "$out"
has "escaped id" '"PID":["a\\b"]' "$out"

cp -r "$resources/Language" "$dir/"
out=$("$probe" settings --dir "$dir" --language 404 2>"$dir/err")
has "chinese" "\"languageFile\":\"$dir/Language/ChineseTraditional.ini\"}" "$out"
check "no message for 404" "" "$(cat "$dir/err")"
out=$("$probe" settings --dir "$dir/" --language 0407 2>"$dir/err")
has "fallback" "\"languageFile\":\"$dir/Language/English.ini\"}" "$out"
has "fallback message" "Sorry,the local language is not supported,application will execute in English." "$(cat "$dir/err")"

"$probe" settings 2>/dev/null
check "no --dir" 2 $?
"$probe" settings --dir "$dir/none" 2>/dev/null
check "missing directory" 2 $?
"$probe" settings --dir "$dir" --language 4x4 2>/dev/null
check "bad language id" 2 $?
"$probe" settings --dir "$dir" --language 10000 2>/dev/null
check "language id too long" 2 $?
exit $fail
