#!/usr/bin/env bash
# halvertone-probe ink: pen strokes replayed through the pen handler, live curves and stroke
# records. The expected lines are worked out by hand from the thinning defaults (at least 2
# pixels on each axis and a squared distance of 10), 4-point Bezier pieces sharing their ends,
# the start dot from P + (1, 1) to P and the 80-pixel jump break.
set -u
probe="$1"
source "$(dirname "$0")/lib/check.sh"
run() { run_script ink "$1"; }  # name, script on stdin, expected output in $expected

# A tap: the start dot, then at pen up the two-point piece of the buffer (the dot's end twice).
expected='curve2 101 101 100 100
curve2 101 101 101 101
stroke 16711680 3 2 0 100 100 101 101'
run tap <<'S'
spot 100 100   # pen down
none           # pen up
S

# A stroke with one full piece: 104 and 107 and 110 fill the buffer after the dot's end; 105
# is too close (1 pixel on each axis). The pen-up call appends the last accepted point once
# more, so the final flush passes 110, 110 and 112, 113 twice: three points.
expected='curve2 101 101 100 100
beziers 4 101 101 104 104 107 107 110 110
beziers 3 110 110 112 113 112 113
stroke 255 5 6 0 100 100 101 101 104 104 107 107 110 110 112 113'
run pieces <<'S'
colour 0x0000ff
width 5
spot 100 100
spot 104 104
spot 105 105
spot 107 107
spot 110 110
spot 112 113
none
S

# A jump of exactly 80 pixels draws the pending three points (which GDI+ ignores), ends the
# stroke and begins a new one with its own dot; 79 pixels would have been an ordinary point.
expected='curve2 101 101 100 100
beziers 3 101 101 106 106 110 109
curve2 191 110 190 109
beziers 3 190 109 191 110 191 110
stroke 16711680 3 4 0 100 100 101 101 106 106 110 109
stroke 16711680 3 2 0 190 109 191 110'
run jump <<'S'
spot 100 100
spot 106 106
spot 110 109
spot 190 109
none
S

# Pen up over the visible toolbar hands over to mouse emulation without a stroke; frames go
# to the mouse worker until the pen is in charge again. Drawing onto the toolbar ends the
# stroke at once: the buffered 104, 104 is not drawn live but stays in the record.
expected='dispatch 1 0 0
dispatch 0 1 0
curve2 101 101 100 100
dispatch 1 0 0
stroke 16711680 3 3 0 100 100 101 101 104 104'
run toolbar <<'S'
toolbar 0 0 50 50 visible
spot 10 10
spot 100 100
pen
spot 100 100
spot 104 104
spot 20 20
none
S

# A hidden toolbar is no obstacle; a spot off the calibrated screen with the pen down keeps
# the stroke, which goes on from the last accepted point; the repeated last point at pen up
# completes a full piece.
expected='curve2 11 11 10 10
beziers 4 11 11 14 14 17 17 17 17
stroke 16711680 3 4 0 10 10 11 11 14 14 17 17'
run hidden-toolbar <<'S'
toolbar 0 0 50 50 hidden
spot 10 10
spot 14 14
off 0
spot 17 17
none
S

# A redraw took the screen context while the pen was down: the next position begins a new
# stroke there (no start dot) and is the buffer's first point, so its own second feed is too
# close; no point is lost from the record.
expected='curve2 101 101 100 100
beziers 3 104 104 108 108 108 108
stroke 16711680 3 2 0 100 100 101 101
stroke 16711680 3 2 0 104 104 108 108'
run lostdc <<'S'
spot 100 100
lostdc
spot 104 104
spot 108 108
none
S

# "CleanScreen" empties the desktop's list when the next pen stroke begins; the gesture off
# the left edge runs the side command, off the top clicks and brings back the mouse tool,
# and class 2 (no zone) does nothing.
expected='curve2 11 11 10 10
curve2 11 11 11 11
offscreen 1
offscreen 0
dispatch 1 0 0
dispatch 0 1 0
curve2 301 301 300 300
curve2 301 301 301 301
stroke 16711680 3 2 0 300 300 301 301'
run clean-and-gestures <<'S'
spot 10 10
none
clean
off 1
none
off 2
none
off 0
none
pen
spot 300 300
none
S
exit $fail
