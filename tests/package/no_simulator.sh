#!/usr/bin/env bash
# The release folder holds no simulator: none of the words that once switched a synthetic
# camera on inside the program appears in any of its files (as bytes or as UTF-16), no virtual
# webcam file ships, and a word the program does use is found, so the search reads the files.
# Usage: no_simulator.sh RELEASE_FOLDER
set -uo pipefail
release="${1:?usage: no_simulator.sh RELEASE_FOLDER}"
python3 - "$release" <<'PY'
import pathlib, sys
release = pathlib.Path(sys.argv[1])
files = [p for p in release.rglob("*") if p.is_file()]
words = ["SIMULATION", "Pen Script", "Live Pen", "Cursor Log", "Camera Log", "Upside Down",
         "Unplug At", "Replug At", "Unplug Every", "Unplug For", "Halvertone Live Pen"]
failures = 0
def check(ok, text):
    global failures
    print(("ok - " if ok else "FAIL - ") + text)
    failures += 0 if ok else 1
program = release / "halvertone.exe"
check(program.is_file(), f"{program} is there")
check(program.is_file() and b"Msg_Camera_NoFind" in program.read_bytes(),
      "the program's own text key \"Msg_Camera_NoFind\" is found in it")
for word in words:
    found = [str(p.relative_to(release)) for p in files
             if word.encode() in p.read_bytes() or word.encode("utf-16-le") in p.read_bytes()]
    check(not found, f"\"{word}\" in no release file" + (f" (in {', '.join(found)})" if found else ""))
webcam = [str(p.relative_to(release)) for p in files if "webcam" in p.name.lower()]
check(not webcam, "no virtual webcam file ships" + (f" ({', '.join(webcam)})" if webcam else ""))
sys.exit(1 if failures else 0)
PY
