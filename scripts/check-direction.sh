#!/usr/bin/env bash
# Folders depend in one direction, like floors: a file may include from its own floor and the
# floors below it, never from one above. The floors, lowest first:
#   base        plain types and values every subsystem shares
#   platform    ports of the operating system (and their win32/ implementations)
#   capture     camera frames, the frame ring, the camera graph
#   calibration targets, lattice, camera-to-screen table
#   tracking    spot finding, mouse mode, tool workers
#   annotation  strokes, pen, eraser, toolbar, screen capture
#   shell       the program: start-up, settings, tray, wiring
# The Windows-only libraries (kits/, companion/) stand on all of these. The camera simulator
# (simulator/), the test doubles (tests/doubles/), tests, tools and benchmarks stand above
# everything and are never included from a floor of the program.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -- '*.cpp' '*.h' | python3 -c '
import re, sys
floors = ["base", "platform", "capture", "calibration", "tracking", "annotation", "shell",
          "kits", "companion"]
above = ("simulator/", "tests/", "tools/", "bench/")
include = re.compile(r"^\s*#\s*include\s*\"([^\"]+)\"")
def floor(path):
    top = path.split("/")[0]
    if path.startswith(above):
        return len(floors)  # above every floor of the program
    return floors.index(top) if top in floors else None
bad = []
for name in sys.stdin.read().split():
    mine = floor(name)
    if mine is None or mine == len(floors):
        continue
    for number, line in enumerate(open(name, encoding="utf-8", errors="replace"), 1):
        m = include.match(line)
        if not m:
            continue
        theirs = floor(m.group(1))
        if theirs is not None and theirs > mine:
            bad.append(f"{name}:{number}: includes {m.group(1)} from a floor above")
if bad:
    print("includes against the direction of the floors:")
    print("\n".join(bad))
    sys.exit(1)
print("direction check: ok")
'
