#!/usr/bin/env python3
"""Writes a long random pen script for the virtual webcam (lines "MS down X Y" / "MS up",
screen pixels, times from the camera's start) for soak runs.

Usage: soak_pen.py --seconds N --screen WxH [--seed S] [--start-ms MS]
                   [--button NAME=X,Y]...  > pen.txt

Each step picks one action by weight: a drag, a tap, a hold (the long press of mouse mode), an
off-screen edge gesture, or a pause. Every --button adds a "press" action that taps that
screen point (a toolbar button: pen, eraser, mouse, ...), so tool switches join the mix once
their positions are known. The same seed gives the same script.
"""
import argparse
import random
import sys

# Random strokes keep clear of the screen's edges, where the toolbar and the tray live.
MARGIN = 0.12


class Pen:
    def __init__(self, out, start_ms):
        self.out = out
        self.ms = start_ms

    def down(self, x, y):
        self.out.append(f"{self.ms} down {x:.0f} {y:.0f}")

    def up(self):
        self.out.append(f"{self.ms} up")

    def wait(self, ms):
        self.ms += int(ms)


def inside(rng, w, h):
    return (rng.uniform(MARGIN * w, (1 - MARGIN) * w), rng.uniform(MARGIN * h, (1 - MARGIN) * h))


def drag(pen, rng, w, h):
    x, y = inside(rng, w, h)
    pen.down(x, y)
    for _ in range(rng.randint(1, 6)):
        pen.wait(rng.randint(80, 400))
        x, y = inside(rng, w, h)
        pen.down(x, y)
    pen.wait(rng.randint(30, 200))
    pen.up()


def tap(pen, rng, w, h):
    x, y = inside(rng, w, h)
    pen.down(x, y)
    pen.wait(rng.randint(60, 160))
    pen.up()


def hold(pen, rng, w, h):
    x, y = inside(rng, w, h)
    pen.down(x, y)
    pen.wait(rng.randint(600, 1500))
    pen.up()


def off_screen(pen, rng, w, h):
    # Into the screen from beyond one edge, or lit beyond it alone: the edge gestures.
    side = rng.choice("ltrb")
    out = {"l": (-0.04 * w, rng.uniform(0.2, 0.8) * h), "r": (1.04 * w, rng.uniform(0.2, 0.8) * h),
           "t": (rng.uniform(0.2, 0.8) * w, -0.04 * h), "b": (rng.uniform(0.2, 0.8) * w, 1.04 * h)}
    x, y = out[side]
    pen.down(x, y)
    pen.wait(rng.randint(150, 500))
    if rng.random() < 0.5:
        pen.down(*inside(rng, w, h))
        pen.wait(rng.randint(100, 300))
    pen.up()


def pause(pen, rng, w, h):
    pen.wait(rng.randint(300, 3000))


ACTIONS = [(drag, 5), (tap, 3), (hold, 1), (off_screen, 2), (pause, 2)]


def press_button(x, y):
    def press(pen, rng, w, h):
        pen.down(x, y)
        pen.wait(rng.randint(80, 150))
        pen.up()
    return press


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seconds", type=int, required=True)
    parser.add_argument("--screen", required=True, help="WxH")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--start-ms", type=int, default=6000,
                        help="first key point (the start-up's environment check wants a dark room)")
    parser.add_argument("--button", action="append", default=[], help="NAME=X,Y")
    args = parser.parse_args()
    w, h = (int(v) for v in args.screen.lower().split("x"))
    actions = list(ACTIONS)
    for button in args.button:
        _, _, xy = button.partition("=")
        bx, by = (float(v) for v in xy.split(","))
        actions.append((press_button(bx, by), 1))

    rng = random.Random(args.seed)
    lines = [f"# soak pen: seed {args.seed}, {args.seconds} s, screen {w}x{h}"]
    pen = Pen(lines, args.start_ms)
    end_ms = args.seconds * 1000
    funcs, weights = zip(*actions)
    while pen.ms < end_ms:
        rng.choices(funcs, weights)[0](pen, rng, w, h)
        pen.wait(rng.randint(100, 600))
    sys.stdout.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
