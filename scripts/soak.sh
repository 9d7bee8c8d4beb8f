#!/usr/bin/env bash
# A long run of the real program under Wine: a virtual webcam at 60 frames per second,
# unplugged and replugged every few minutes, with a random pen; the program's memory, handle
# count and message-loop answer sampled every 30 s. At the end it asks the program to exit and
# checks: no crash, no hang, handles flat, memory growth bounded. Leaves samples.csv,
# summary.txt, the pen script and screenshots in the output folder named in its last line.
#
# Usage: scripts/soak.sh DURATION_SECONDS [OUTDIR]
# Tunables (environment): SOAK_SAMPLE_SECONDS (30), SOAK_SEED (1), SOAK_HANDLE_SLACK (24),
#   SOAK_MEMORY_GROWTH_MB (32), SOAK_UNPLUG_EVERY (180), SOAK_UNPLUG_FOR (8),
#   SOAK_BUTTONS ("NAME=X,Y ..." screen points the pen also taps, e.g. toolbar buttons).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
duration="${1:?usage: scripts/soak.sh DURATION_SECONDS [OUTDIR]}"
[[ "$duration" =~ ^[0-9]+$ ]] && [ "$duration" -ge 10 ] || { echo "duration: whole seconds, at least 10"; exit 2; }
out="${2:-$root/out/soak-$(date +%Y%m%d-%H%M%S)}"
every="${SOAK_SAMPLE_SECONDS:-30}"
seed="${SOAK_SEED:-1}"
handle_slack="${SOAK_HANDLE_SLACK:-24}"
growth_mb="${SOAK_MEMORY_GROWTH_MB:-32}"

scripts/setup-deps.sh
jobs=$(nproc)
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs" --target halvertone Grab_Screen shared_kit picture_kit \
    stroke_kit process_sample cursor_watch virtual_webcam virtual_webcam_ctl
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs" --target halvertone-probe >/dev/null

source scripts/wine-session.sh
wine_session_start "$root/build/windows" 1024x768
trap wine_session_stop EXIT
wine_run="$root/build/windows/wine-run.sh"
sampler="$root/build/windows/process_sample.exe"
screen=$(wine_session_screen)

# A scratch copy of the program directory that looks for the soak's camera, and the camera's
# own set-up and pen beside it.
rm -rf "$out"
run="$out/program"
mkdir -p "$run" && out=$(cd "$out" && pwd) && run="$out/program"
cp -r "$root/build/windows/program/." "$run/"

# The pen writes on the desktop itself, without the companion board.
sed -i 's/^Pen Button Mode=.*/Pen Button Mode=0/; s/^PID=.*/PID=0470/; s/^VID=.*/VID=1d6b/' \
    "$run/Setting.ini"
printf '[Webcam]\r\nPenScript=pen.txt\r\nFrameRate=60\r\nK1=-0.05\r\n' >"$out/webcam.ini"
unplug_every="${SOAK_UNPLUG_EVERY:-180}"
unplug_for="${SOAK_UNPLUG_FOR:-8}"
camera() { bash "$root/scripts/virtual-webcam.sh" "$root/build/windows" "$@" >/dev/null; }
# On the default 1024 x 768 screen the toolbar docks right, and edge gestures move it left:
# the pen also switches between mouse, pen and eraser, cleans and redraws wherever it stands
# (the capture and the menus open modal windows and are left out).
if [ -z "${SOAK_BUTTONS+set}" ] && [ "$screen" = "1024x768" ]; then
    SOAK_BUTTONS=""
    for x in 999 25; do
        SOAK_BUTTONS+=" mouse=$x,222 pen=$x,266 eraser=$x,310 clean=$x,442 redraw=$x,530"
    done
fi
buttons=()
for b in ${SOAK_BUTTONS:-}; do buttons+=(--button "$b"); done
python3 scripts/soak_pen.py --seconds "$duration" --screen "$screen" --seed "$seed" \
    "${buttons[@]}" >"$out/pen.txt"
"$root/build/native/tools/halvertone-probe" simcalibrate --dir "$run" --screen "$screen" \
    --webcam "$out/webcam.ini" >/dev/null
camera plug "Soak Camera" 1d6b 0470 "$out/webcam.ini"

# Every cursor event of the session, whoever sends it: did the pen drive the cursor?
cursor_log="Z:$out/cursor.log"
"$root/build/windows/wine-run.sh" "$root/build/windows/cursor_watch.exe" "${cursor_log//\//\\}" \
    $((duration + 120)) >"$out/cursor-watch.out" 2>&1 &
watcher=$!
for _ in $(seq 1 50); do grep -q watching "$out/cursor-watch.out" && break; sleep 0.2; done

echo "soak: ${duration} s on a ${screen} screen, a sample every ${every} s, output $out"
"$wine_run" "$run/halvertone.exe" >"$out/program.log" 2>&1 &
program=$!
start=$(date +%s)

# Wine reports neither private bytes nor a handle count for another process: the commit
# charge and the process's entries in the system handle table stand in for them there.
echo "elapsed_s,alive,memory_bytes,private_bytes,commit_bytes,working_set,handles,handle_table,gdi_objects,user_objects,window,answered,answer_ms,host_rss_kb" \
    >"$out/samples.csv"
field() { sed -n "s/.*\"$1\":\([^,}]*\).*/\1/p" <<<"$2"; }
sample() {
    local now line rss memory handles
    now=$(($(date +%s) - start))
    line=$("$wine_run" "$sampler" halvertone.exe Halvertone 2>/dev/null | tr -d '\r' | tail -1)
    if ! kill -0 "$program" 2>/dev/null || [ "$(field alive "$line")" != "true" ]; then
        echo "$now,false,0,0,0,0,0,0,0,0,false,false,0,0" >>"$out/samples.csv"
        echo "  ${now} s: the program is gone"
        return 1
    fi
    # wine-run.sh execs Wine, so the background job's pid is the program's host process.
    rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$program/status" 2>/dev/null || echo 0)
    memory=$(field privateBytes "$line")
    [ "$memory" = "0" ] && memory=$(field commit "$line")
    handles=$(field handles "$line")
    [ "$handles" = "0" ] && handles=$(field handleTable "$line")
    echo "$now,true,$memory,$(field privateBytes "$line"),$(field commit "$line"),$(field workingSet "$line"),$handles,$(field handleTable "$line"),$(field gdiObjects "$line"),$(field userObjects "$line"),$(field window "$line"),$(field answered "$line"),$(field answerMs "$line"),${rss:-0}" \
        >>"$out/samples.csv"
    echo "  ${now} s: memory $((memory / 1024)) KiB, handles $handles, answered $(field answered "$line") ($(field answerMs "$line") ms)"
}

# The camera leaves the bus for the last "unplug_for" seconds of every "unplug_every".
crashed=0
next=$every
plugged=1
unplugs=0
while :; do
    now=$(($(date +%s) - start))
    [ "$now" -ge "$duration" ] && break
    if [ "$unplug_every" -gt 0 ]; then
        phase=$((now % unplug_every))
        if [ "$plugged" -eq 1 ] && [ "$phase" -ge $((unplug_every - unplug_for)) ]; then
            camera unplug "Soak Camera" && plugged=0 && unplugs=$((unplugs + 1)) && echo "  ${now} s: camera unplugged"
        elif [ "$plugged" -eq 0 ] && [ "$phase" -lt $((unplug_every - unplug_for)) ]; then
            camera plug "Soak Camera" 1d6b 0470 "$out/webcam.ini" && plugged=1 &&
                echo "  ${now} s: camera plugged in again"
        fi
    fi
    if [ "$now" -ge "$next" ]; then
        sample || { crashed=1; break; }
        [ $((next / every % 4)) -eq 0 ] && import -window root "$out/screen-${now}s.png" 2>/dev/null || true
        next=$((next + every))
    fi
    sleep 1
done
[ "$crashed" -eq 0 ] && { sample || crashed=1; }
import -window root "$out/screen-end.png" 2>/dev/null || true

# Exit through the running instance: "/q" asks it to exit; its confirmation is answered with
# Yes from inside Wine (keyboard focus is not to be trusted while the pen drives the mouse).
exited=0
status=""
if [ "$crashed" -eq 0 ]; then
    "$wine_run" "$run/halvertone.exe" /q >/dev/null 2>&1 || true
    for _ in $(seq 1 40); do
        sleep 0.5
        if ! kill -0 "$program" 2>/dev/null; then exited=1; break; fi
        "$wine_run" "$sampler" halvertone.exe --press-yes >/dev/null 2>&1 || true
    done
    if [ "$exited" -eq 1 ]; then
        status=0
        wait "$program" || status=$?
    else
        kill "$program" 2>/dev/null || true
    fi
fi
kill "$watcher" 2>/dev/null || true
camera unplug "Soak Camera" || true
# The watch is a Windows program: its lines end in CR LF.
cursor_moves=$(grep -c " move" "$out/cursor.log" 2>/dev/null || true)
cursor_moves=${cursor_moves:-0}

rc=0
# Wine 8 keeps handles the program lets go of: 4 of every capture graph torn down, and 1 of
# every device enumeration, which the program repeats every 3 s while its camera is away (and
# once more as it comes back).
wine_keeps_per_unplug=$((4 + (unplug_for + 2) / 3 + 1))
python3 - "$out" "$duration" "$crashed" "$exited" "${status:-none}" "$handle_slack" "$growth_mb" \
    "$cursor_moves" "$unplugs" "$wine_keeps_per_unplug" <<'PY' || rc=$?
import csv, sys
out, duration, crashed, exited, status, slack, growth_mb, moves, unplugs, per_unplug = sys.argv[1:]
rows = list(csv.DictReader(open(f"{out}/samples.csv")))
live = [r for r in rows if r["alive"] == "true"]
checks = []
def check(ok, text):
    checks.append(("ok" if ok else "FAIL") + " - " + text)
check(crashed == "0" and len(live) == len(rows) and rows, f"no crash ({len(live)} of {len(rows)} samples alive)")
unanswered = [r["elapsed_s"] for r in live if r["answered"] != "true"]
check(not unanswered, "no hang: the main window answered WM_NULL within 5 s at every sample"
      + (f" (not at {', '.join(unanswered)} s)" if unanswered else ""))
check(exited == "1" and status == "0", f"exits cleanly after /q (exited {exited}, status {status})")
check(int(moves) > 0, f"the pen drove the cursor ({moves} cursor moves seen)")
summary = [f"soak: {duration} s, {len(rows)} samples"]
if live:
    # The first sample is the warm-up; the baseline is the next one when there is one.
    base = live[1] if len(live) > 2 else live[0]
    last = live[-1]
    handles = [int(r["handles"]) for r in live]
    base_h = int(base["handles"])
    peak_h = max(int(r["handles"]) for r in live[live.index(base):])
    allowed = int(slack) + int(unplugs) * int(per_unplug)
    check(peak_h - base_h <= allowed, f"handles flat: {base_h} at {base['elapsed_s']} s, "
          f"peak {peak_h}, last {last['handles']} (slack {slack}, and {per_unplug} that Wine "
          f"keeps for each of {unplugs} unplugs)")
    grow = (int(last["memory_bytes"]) - int(base["memory_bytes"])) / 2**20
    check(grow <= float(growth_mb), f"memory (private bytes, or commit under Wine) "
          f"{int(base['memory_bytes']) / 2**20:.1f} MiB -> "
          f"{int(last['memory_bytes']) / 2**20:.1f} MiB ({grow:+.1f}, limit {growth_mb})")
    ws = (int(last["working_set"]) - int(base["working_set"])) / 2**20
    summary.append(f"working set {int(base['working_set']) / 2**20:.1f} -> "
                   f"{int(last['working_set']) / 2**20:.1f} MiB ({ws:+.1f}); host RSS "
                   f"{base['host_rss_kb']} -> {last['host_rss_kb']} KiB; handles min {min(handles)} max {max(handles)}; "
                   f"GDI {last['gdi_objects']}, USER {last['user_objects']}; slowest answer "
                   f"{max(int(r['answer_ms']) for r in live)} ms")
text = "\n".join(summary + checks) + "\n"
open(f"{out}/summary.txt", "w").write(text)
print(text, end="")
sys.exit(0 if all(c.startswith("ok") for c in checks) else 1)
PY
echo "output: $out"
exit $rc
