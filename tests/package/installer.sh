#!/usr/bin/env bash
# The per-user installer under Wine: a silent install puts the program, its data and an
# uninstaller under the user's local application data with a Start-menu entry and an
# uninstall key; the installed program starts (with a virtual webcam), answers and ends
# through "/q"; a silent uninstall takes all of it away again.
# Usage: installer.sh SETUP_EXE WINE_RUN_SH PROCESS_SAMPLE_EXE
#        (inside a Wine session: DISPLAY and WINEPREFIX set)
set -uo pipefail
setup="$1"
wine_run="$2"
sampler="$3"
# No desktop entries in the host's home for the shortcuts the installer makes.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=};winemenubuilder.exe=d"

failures=0
check() {  # check DESCRIPTION COMMAND...
    local what="$1"
    shift
    if "$@"; then echo "ok - $what"; else echo "FAIL - $what"; failures=$((failures + 1)); fi
}
wait_until() {  # wait_until SECONDS COMMAND...: polls every 0.2 s
    local limit=$(($1 * 5))
    shift
    for _ in $(seq 1 "$limit"); do
        "$@" && return 0
        sleep 0.2
    done
    return 1
}

if [ ! -f "$setup" ]; then
    echo "FAIL - no installer at $setup (is the Debian package nsis installed?)"
    exit 1
fi
prefix="${WINEPREFIX:?run inside a Wine session}"
users="$prefix/drive_c/users"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Halvertone'

installed_dir() { ls -d "$users"/*/AppData/Local/Programs/Halvertone 2>/dev/null | head -1; }
menu_dir() {
    ls -d "$users"/*/AppData/Roaming/Microsoft/Windows/"Start Menu"/Programs/Halvertone \
        2>/dev/null | head -1
}
key_value() { "$wine_run" reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | awk -v k="$1" '$1 == k {$1 = ""; $2 = ""; sub(/^ +/, ""); print}'; }

# A clean slate: what an earlier run may have left.
old=$(installed_dir)
[ -n "$old" ] && rm -rf "$old"
old=$(menu_dir)
[ -n "$old" ] && rm -rf "$old"
"$wine_run" reg delete "$key" /f >/dev/null 2>&1 || true

"$wine_run" "$setup" /S
check "the silent installer ends with status 0" test $? -eq 0
dir=$(installed_dir)
check "installed under LOCALAPPDATA\\Programs\\Halvertone" test -n "$dir"
[ -n "$dir" ] || { echo "FAIL - nothing installed"; exit 1; }
for f in halvertone.exe Grab_Screen.exe SharedKit.dll PictureKit.dll StrokeKit.dll Setting.ini \
    Language/Language.ini Language/English.ini Icon/Connect.ico Icon/Disconnect.ico Uninstall.exe; do
    check "installed $f" test -s "$dir/$f"
done
check "the installed settings hold no SIMULATION section" \
    bash -c "! grep -q SIMULATION '$dir/Setting.ini'"
menu=$(menu_dir)
check "Start-menu shortcut" test -s "$menu/Halvertone.lnk"
check "the shortcut points at the installed program" \
    bash -c "grep -a -q -i 'halvertone.exe' '$menu/Halvertone.lnk' ||
             iconv -f UTF-16LE -t UTF-8 '$menu/Halvertone.lnk' 2>/dev/null | grep -a -q -i 'halvertone.exe'"
check "Start-menu uninstall shortcut" test -s "$menu/Uninstall Halvertone.lnk"
uninstall_string=$(key_value UninstallString)
check "uninstall key names the uninstaller ($uninstall_string)" \
    bash -c "[[ '$uninstall_string' == *'Uninstall.exe'* ]]"
check "uninstall key shows the name" test "$(key_value DisplayName)" = "Halvertone"

# A reinstall keeps the user's own settings (a calibration lives there).
printf '[SETTING]\r\nPID=\r\nVID=\r\nCalibration 1-x=77\r\n' >"$dir/Setting.ini"
"$wine_run" "$setup" /S
check "a reinstall keeps the user's Setting.ini" grep -q "Calibration 1-x=77" "$dir/Setting.ini"

# "/Q" with nothing running ends at once.
timeout 20 "$wine_run" "$dir/halvertone.exe" /Q
check "the installed program started with /Q ends with status 0" test $? -eq 0

# The installed program with a virtual webcam: it starts, its main window appears, and a
# second start with "/q" asks it to exit; the confirmation is answered with Yes.
webcam=(bash "$(dirname "$0")/../../scripts/virtual-webcam.sh" "$(dirname "$wine_run")")
check "a virtual webcam is plugged in" "${webcam[@]}" plug "Installer Camera" 1d6b 0490
printf '[SETTING]\r\nPID=0490\r\nVID=1d6b\r\n' >"$dir/Setting.ini"
"$wine_run" "$dir/halvertone.exe" >/dev/null 2>&1 &
program=$!
answers() { "$wine_run" "$sampler" halvertone.exe Halvertone 2>/dev/null | grep -q '"answered":true'; }
check "the installed program's main window answers" wait_until 20 answers
check "the installed program is running" kill -0 $program
timeout 20 "$wine_run" "$dir/halvertone.exe" /q >/dev/null 2>&1
answer_and_gone() {
    "$wine_run" "$sampler" halvertone.exe --press-yes >/dev/null 2>&1
    ! kill -0 $program 2>/dev/null
}
check "the installed program exits after /q and its confirmation" wait_until 20 answer_and_gone
if kill -0 $program 2>/dev/null; then
    kill $program 2>/dev/null
    status=1
else
    wait $program
    status=$?
fi
check "the installed program ended with status 0 ($status)" test "$status" -eq 0
"${webcam[@]}" unplug "Installer Camera" >/dev/null

"$wine_run" "$dir/Uninstall.exe" /S
# The uninstaller runs from a copy of itself in the temporary folder and returns at once.
gone() { [ ! -e "$dir" ]; }
check "the silent uninstall removes the program folder" wait_until 30 gone
menu_gone() { [ -z "$(menu_dir)" ]; }
check "the silent uninstall removes the Start-menu entry" wait_until 10 menu_gone
check "the silent uninstall removes the uninstall key" test -z "$(key_value UninstallString)"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "installer: all checks passed"
