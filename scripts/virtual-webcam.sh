#!/usr/bin/env bash
# The virtual webcam in a build tree's Wine prefix (the one its wine-run.sh pins, or
# $WINEPREFIX when a session set one):
#   virtual-webcam.sh BUILD_DIR register             the COM server (the filter DLL)
#   virtual-webcam.sh BUILD_DIR unregister           the server and every camera of it
#   virtual-webcam.sh BUILD_DIR plug NAME VID PID [INI]
#       a camera under the video input devices with device path ...vid_VID&pid_PID...; its
#       set-up is the INI file (section "Webcam", see tools/win32/virtual_webcam/webcam_config.h);
#       without one it shows a dark picture with the pen up
#   virtual-webcam.sh BUILD_DIR unplug NAME          the camera leaves the bus
set -euo pipefail
build=$(cd "$1" && pwd)
shift
ctl="$build/virtual_webcam/virtual-webcam-ctl.exe"
dll="$build/virtual_webcam/halvertone-webcam.dll"
[ -e "$ctl" ] || { echo "virtual-webcam: $ctl is not built" >&2; exit 1; }

# Wine shows the Unix root as drive Z:.
windows_path() {
    local p
    p=$(realpath -m "$1")
    echo "Z:${p//\//\\}"
}

case "${1:-}" in
register) "$build/wine-run.sh" "$ctl" register "$(windows_path "$dll")" ;;
unregister) "$build/wine-run.sh" "$ctl" unregister ;;
plug)
    [ $# -ge 4 ] || { echo "usage: plug NAME VID PID [INI]" >&2; exit 2; }
    ini=""
    [ $# -ge 5 ] && ini=$(windows_path "$5")
    "$build/wine-run.sh" "$ctl" plug "$2" "$3" "$4" "$ini"
    ;;
unplug) "$build/wine-run.sh" "$ctl" unplug "$2" ;;
*)
    sed -n '2,12p' "$0" >&2
    exit 2
    ;;
esac
