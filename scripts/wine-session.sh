# Sourced by the test and run scripts: a display (Xvfb when none is set) and a persistent
# wineserver for the private prefix of the Windows build tree.
# Usage: wine_session_start BUILD_DIR [WIDTHxHEIGHT]; wine_session_screen; wine_session_stop

_ws_xvfb_pid=""
wine_session_start() {
    local build_dir="$1" geometry="${2:-1024x768}"
    export WINEPREFIX="$build_dir/wineprefix"
    export HALVERTONE_WINEPREFIX="$WINEPREFIX"
    export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    if [ -z "${DISPLAY:-}" ]; then
        local n=90
        while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
        Xvfb ":$n" -screen 0 "${geometry}x24" -nolisten tcp >/dev/null 2>&1 &
        _ws_xvfb_pid=$!
        export DISPLAY=":$n"
        for _ in $(seq 1 50); do
            xdpyinfo >/dev/null 2>&1 && break
            sleep 0.1
        done
    fi
    mkdir -p "$WINEPREFIX"
    # A persistent server keeps each test start short; wineboot's output must not go to a
    # pipe, or its helper processes inherit it and the reader never sees the end.
    wineserver -p >/dev/null 2>&1 </dev/null || true
    wineboot -i >/dev/null 2>&1 </dev/null || true
    # The virtual webcam's filter is registered afresh (cameras left plugged in by an earlier
    # run are gone), so tests and runs can plug their cameras in.
    local webcam="${BASH_SOURCE[0]%/*}/virtual-webcam.sh"
    if [ -e "$build_dir/virtual_webcam/virtual-webcam-ctl.exe" ]; then
        "$webcam" "$build_dir" unregister >/dev/null 2>&1 </dev/null || true
        "$webcam" "$build_dir" register >/dev/null 2>&1 </dev/null || true
    fi
}

# The display's size, WIDTHxHEIGHT.
wine_session_screen() {
    xdpyinfo | awk '/dimensions:/ && !seen {print $2; seen = 1}'
}

wine_session_stop() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "$_ws_xvfb_pid" ]; then
        kill "$_ws_xvfb_pid" 2>/dev/null || true
        wait "$_ws_xvfb_pid" 2>/dev/null || true
        _ws_xvfb_pid=""
    fi
}
