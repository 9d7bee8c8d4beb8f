#!/usr/bin/env bash
# How fast the real camera path answers, measured from outside the unchanged program: the
# virtual webcam stamps every frame as it hands it to DirectShow, a low-level mouse hook stamps
# every cursor event, both on the session's performance counter. The pen appears at a new
# place every 300 ms; from the first frame that shows it, the latency is the time to the first
# cursor move toward it (the move that frame caused), and the time until the cursor, which
# glides in steps, is within 12 px of it. Also the program's CPU time per second of
# video. Runs at 30 and 60 frames per second and prints a table (also latency.md in the output
# folder named in the last line).
#
# Usage: scripts/latency.sh [SECONDS_PER_RATE (40)] [OUTDIR]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds="${1:-40}"
[[ "$seconds" =~ ^[0-9]+$ ]] && [ "$seconds" -ge 5 ] || { echo "seconds: whole, at least 5"; exit 2; }
out="${2:-$root/out/latency-$(date +%Y%m%d-%H%M%S)}"

scripts/setup-deps.sh
jobs=$(nproc)
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs" --target halvertone Grab_Screen shared_kit picture_kit \
    stroke_kit virtual_webcam virtual_webcam_ctl cursor_watch process_sample >/dev/null
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs" --target halvertone-probe >/dev/null

build="$root/build/windows"
source scripts/wine-session.sh
wine_session_start "$build" 1024x768
trap wine_session_stop EXIT
wine_run="$build/wine-run.sh"
screen=$(wine_session_screen)
mkdir -p "$out" && out=$(cd "$out" && pwd)

# The program's start (table, room check) is over by then; the pen keeps away from the
# toolbar docked at the right edge.
pen_from_ms=10000
measure() {  # RATE
    local rate="$1" run="$out/$1fps" program t0 t1 cpu0 cpu1 ticks log
    rm -rf "$run" && mkdir -p "$run"
    cp -r "$build/program/." "$run/program/"
    sed -i 's/^PID=.*/PID=0460/; s/^VID=.*/VID=1d6b/; s/^Pen Button Mode=.*/Pen Button Mode=0/' \
        "$run/program/Setting.ini"
    python3 - "$pen_from_ms" "$seconds" >"$run/pen.txt" <<'PY'
import random, sys
start, seconds = int(sys.argv[1]), int(sys.argv[2])
rng = random.Random(7)
for i in range(seconds * 1000 // 300):
    t = start + i * 300
    print(f"{t} down {rng.randint(120, 820)} {rng.randint(120, 640)}")
    print(f"{t + 150} up")
PY
    printf '[Webcam]\r\nFrameRate=%s\r\nPenScript=pen.txt\r\nFrameLog=frames.log\r\nK1=-0.05\r\n' \
        "$rate" >"$run/webcam.ini"
    "$root/build/native/tools/halvertone-probe" simcalibrate --dir "$run/program" \
        --screen "$screen" --webcam "$run/webcam.ini" >/dev/null
    bash scripts/virtual-webcam.sh "$build" plug "Latency Camera" 1d6b 0460 "$run/webcam.ini"

    log="Z:$run/cursor.log"
    "$wine_run" "$build/cursor_watch.exe" "${log//\//\\}" $((seconds + 40)) >"$run/watch.out" 2>&1 &
    for _ in $(seq 1 50); do grep -q watching "$run/watch.out" && break; sleep 0.2; done
    "$wine_run" "$run/program/halvertone.exe" >"$run/program.log" 2>&1 &
    program=$!
    # CPU from the pen's first appearance to its last, in the host's clock ticks.
    sleep $((pen_from_ms / 1000 + 2))
    t0=$(date +%s.%N)
    cpu0=$(awk '{print $14 + $15}' "/proc/$program/stat")
    sleep $((seconds - 4))
    t1=$(date +%s.%N)
    cpu1=$(awk '{print $14 + $15}' "/proc/$program/stat")
    ticks=$(getconf CLK_TCK)
    sleep 3
    "$wine_run" "$run/program/halvertone.exe" /q >/dev/null 2>&1 || true
    for _ in $(seq 1 40); do
        kill -0 "$program" 2>/dev/null || break
        "$wine_run" "$build/process_sample.exe" halvertone.exe --press-yes >/dev/null 2>&1 || true
        sleep 0.5
    done
    kill "$program" 2>/dev/null || true
    bash scripts/virtual-webcam.sh "$build" unplug "Latency Camera"
    pkill -f cursor_watch.exe 2>/dev/null || true
    sleep 1
    python3 - "$run" "$rate" "$t0" "$t1" "$cpu0" "$cpu1" "$ticks" >>"$out/rows.txt" <<'PY'
import math, sys
run, rate, t0, t1, cpu0, cpu1, ticks = sys.argv[1:]
frames = [l.split() for l in open(f"{run}/frames.log")]
events = [l.split() for l in open(f"{run}/cursor.log") if l.strip()]
events = [(int(e[0]), int(e[1]), int(e[2])) for e in events if e[3] == "move"]
first, arrival, missed, j, before = [], [], 0, 0, "0"
for f in frames:
    t, down, x, y = int(f[0]), f[1], float(f[2]), float(f[3])
    if down == "1" and before == "0":
        while j < len(events) and events[j][0] < t:
            j += 1
        # The pen was up for 150 ms: a move toward where it now is answers this frame.
        moved = arrived = None
        for k in range(j, len(events)):
            e = events[k]
            if e[0] - t > 250_000:
                break
            prev = events[k - 1] if k else e
            if moved is None and math.dist(e[1:], (x, y)) < math.dist(prev[1:], (x, y)):
                moved = e[0] - t
            if abs(e[1] - x) <= 12 and abs(e[2] - y) <= 12:
                arrived = e[0] - t
                break
        if moved is None or arrived is None:
            missed += 1
        else:
            first.append(moved / 1000)
            arrival.append(arrived / 1000)
    before = down
def pct(values, p):
    values = sorted(values)
    return values[min(len(values) - 1, int(p / 100 * len(values)))] if values else float("nan")
cpu = (float(cpu1) - float(cpu0)) / float(ticks) / (float(t1) - float(t0))
print(f"| {rate} | {len(first)} | {missed} | {pct(first, 50):.1f} | {pct(first, 99):.1f} "
      f"| {pct(arrival, 50):.1f} | {pct(arrival, 99):.1f} | {cpu * 1000:.0f} |")
PY
}

: >"$out/rows.txt"
for rate in 30 60; do measure "$rate"; done
{
    echo "| frames/s | pen appearances | not followed | first move p50 (ms) | p99 | cursor at the pen p50 (ms) | p99 | CPU ms per s of video |"
    echo "|---|---|---|---|---|---|---|---|"
    cat "$out/rows.txt"
    echo
    echo "Measured on $(nproc) cores of $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -1), $(wine --version), Xvfb ${screen}."
} | tee "$out/latency.md"
echo "output: $out"
