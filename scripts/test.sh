#!/usr/bin/env bash
# Every test: installs what is missing, builds the native (ASan + UBSan), ThreadSanitizer and
# Windows trees, and runs their tests (the Windows ones under Wine, in Xvfb when no display is set).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/setup-deps.sh
scripts/check-headers.sh
scripts/check-direction.sh

jobs=$(nproc)

echo "== native (ASan + UBSan) =="
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native

echo "== threaded tests under ThreadSanitizer =="
cmake --preset tsan >/dev/null
cmake --build --preset tsan -j "$jobs"
ctest --preset tsan

echo "== benchmarks build =="
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$jobs"

echo "== fuzzing the readers of outside input (at most 3 minutes in all, fixed seeds) =="
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
# target:seconds:seed folder; the time of each is fixed so that all together stay within 170 s.
for run in ini:40:corpus frame:20:frame table:40:table script:25:script icon_set:25:icon_set \
           device_path:15:device_path; do
    IFS=: read -r name seconds seeds <<<"$run"
    fuzz_corpus=$(mktemp -d)
    cp tests/fuzz/"$seeds"/* "$fuzz_corpus"/
    build/fuzz/tests/"$name"_fuzzer -seed=1 -max_total_time="$seconds" -max_len=4096 \
        -artifact_prefix=build/fuzz/"$name"- "$fuzz_corpus"
    rm -rf "$fuzz_corpus"
done

echo "== windows (under Wine) =="
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
source scripts/wine-session.sh
wine_session_start "$root/build/windows" 1024x768
trap wine_session_stop EXIT
ctest --preset windows

# The real program for a while with a virtual webcam at 60 frames per second and a random
# pen: no crash, no hang, handles flat, memory bounded (0 skips it).
soak_seconds="${HALVERTONE_SOAK_SECONDS:-600}"
if [ "$soak_seconds" -gt 0 ]; then
    echo "== soak (${soak_seconds} s) =="
    scripts/soak.sh "$soak_seconds" "$root/build/windows/soak"
fi
