#!/usr/bin/env bash
# halvertone-probe mouse: pen sessions replayed through mouse mode in virtual time. The
# expected lines are worked out by hand on a 1024 x 768 screen, where x normalises to
# x * 65535 / 1024 and y to y * 65535 / 768 (both truncated).
set -u
probe="$1"
source "$(dirname "$0")/lib/check.sh"
run() { run_script mouse "$1"; }  # name, script on stdin, expected output in $expected

# The first press after the start glides from the cursor in 10-pixel steps along x (y = x/2),
# then the end point, 1 ms later the settled move, 100 ms later the press. A drag of 1 pixel
# sends nothing; 3 pixels (9 >= 4) move; the release lands on the latest target. A press
# within 2 pixels of the last move is a quick press where the cursor already is.
expected='0 timer 273 400
0 send 0x8001 0 0
1 send 0x8001 639 426
2 send 0x8001 1279 853
3 send 0x8001 1919 1279
4 send 0x8001 1919 1279
5 send 0x8001 1919 1279
105 send 0x8002 0 0
105 send 0x8001 2111 1279
105 send 0x8004 2111 1279
155 send 0x8001 2111 1279
155 send 0x8002 0 0
155 send 0x8004 2175 1365'
run "glide press, drag, release, quick press" <<'SCRIPT'
tick          # ignored: the hold timer has not started
start
spot 30 15
spot 31 15    # 1 < 4: nothing
spot 33 15    # 9 >= 4: a move
none
wait 50
spot 34 16    # 2 from (33, 15): quick press on the last target
none
SCRIPT

# In pen mode the spot off the toolbar hands over to the pen with the button held; once
# released, a spot lost above the screen clicks right at the cursor and, as mouse mode no
# longer ran it, selects the mouse tool again.
expected='0 dispatch 0 1 0
0 send 0x8004 0 0
0 send 0x8008 32767 32767
0 send 0x8010 32767 32767
0 tool mouse
0 dispatch 1 0 0'
run "off-screen right click from pen mode" <<'SCRIPT'
cursor 512 384
tool pen
spot 500 400
none
off 0
none
SCRIPT

expected='0 side 1
0 side 3
0 side 2'
run "edge gestures go to the side command in operation mode 0" <<'SCRIPT'
off 1
none
off 3
off 3         # the class follows the spot; the gesture runs once
none
none
off 2
none
opmode 1
off 1
none
SCRIPT

# A glide of no distance: one step at the cursor and the end point. The cursor lands one
# pixel short (299, 199); the tick at 400 samples it, every later tick releases the right
# button while the spot holds still.
expected='0 timer 273 400
0 send 0x8001 19199 17066
1 send 0x8001 19199 17066
2 send 0x8001 19199 17066
102 send 0x8002 0 0
800 send 0x8010 299 199
1200 send 0x8010 299 199'
run "hold timer" <<'SCRIPT'
cursor 300 200
spot 300 200
wait 298
tick
wait 400
tick
spot 301 200   # 1 < 4: still pressed, no move
wait 400
tick
SCRIPT

# Pen tool: mouse mode keeps the spot over the toolbar (press), and hands over with a release
# at the first frame off it (the right edge is exclusive).
expected='0 timer 273 400
0 send 0x8001 1279 25599
1 send 0x8001 1279 25599
2 send 0x8001 1279 25599
102 send 0x8002 0 0
102 send 0x8001 2559 25599
102 send 0x8004 0 0
102 dispatch 0 1 0'
run "hand-over to the pen at the toolbar's edge" <<'SCRIPT'
tool pen
toolbar 0 200 40 500 visible
start
cursor 20 300
spot 20 300
spot 40 300
SCRIPT

expected='0 timer 273 400
0 send 0x8001 0 0
1 send 0x8001 63 0
2 send 0x8001 127 0
3 send 0x8001 191 0
4 send 0x8001 191 0
5 send 0x8001 191 0
105 send 0x8002 0 0'
run "a glide speed below 1 steps one pixel" <<'SCRIPT'
speed 0
start
spot 3 0
SCRIPT

for bad in 'jump 1 2' 'spot 1' 'off 4' 'tool brush' 'popup 2' 'toolbar 0 0 1 1 shown'; do
    echo "$bad" > "$dir/bad"
    "$probe" mouse "$dir/bad" >"$dir/out" 2>"$dir/err"
    status=$?
    if [ "$status" != 2 ] || [ -s "$dir/out" ] || [ ! -s "$dir/err" ]; then
        echo "FAIL bad script [$bad]: status $status"; fail=1
    else
        echo "ok   bad script [$bad]"
    fi
done
"$probe" mouse "$dir/missing" 2>/dev/null
[ $? = 2 ] && echo "ok   missing script" || { echo "FAIL missing script"; fail=1; }
mkdir "$dir/folder"
mkfifo "$dir/fifo"
for bad in folder fifo; do
    timeout 10 "$probe" mouse "$dir/$bad" >"$dir/out" 2>/dev/null
    check "$bad as script" 2 "$?"
done

# A cursor far off the screen: the glide walks from a screen's width beyond the edge.
printf 'cursor -10000000 0\nspeed 1\nstart\nspot 512 384\n' > "$dir/far"
lines=$(timeout 60 "$probe" mouse "$dir/far" | wc -l)
[ "$lines" -lt 2000 ] && echo "ok   far cursor glide" || { echo "FAIL far cursor glide: $lines lines"; fail=1; }
exit $fail
