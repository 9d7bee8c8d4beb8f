#!/usr/bin/env bash
# Every test: installs what is missing, builds the native (ASan + UBSan), ThreadSanitizer and
# Windows trees, and runs their tests (the Windows ones under Wine, in Xvfb when no display is set).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/setup-deps.sh
scripts/check-headers.sh

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

echo "== fuzzing the INI reader and the settings load (60 s) =="
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
fuzz_corpus=$(mktemp -d)
cp tests/fuzz/corpus/* "$fuzz_corpus"/
build/fuzz/tests/ini_fuzzer -seed=1 -max_total_time=60 -max_len=4096 -artifact_prefix=build/fuzz/ "$fuzz_corpus"
rm -rf "$fuzz_corpus"

echo "== windows (under Wine) =="
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
source scripts/wine-session.sh
wine_session_start "$root/build/windows" 1024x768
trap wine_session_stop EXIT
ctest --preset windows

# The real program for a while with the synthetic camera at 60 frames per second and a random
# pen: no crash, no hang, handles flat, memory bounded (0 skips it).
soak_seconds="${HALVERTONE_SOAK_SECONDS:-600}"
if [ "$soak_seconds" -gt 0 ]; then
    echo "== soak (${soak_seconds} s) =="
    scripts/soak.sh "$soak_seconds" "$root/build/windows/soak"
fi
