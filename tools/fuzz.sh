#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (in build-fuzz) and runs each for a while on a copy of
# its seed corpus. An input that crashes a target or runs too long is kept in tests/fuzz/<target>/,
# where the ordinary suite (tst_fuzzreplay) replays it from then on.
#   tools/fuzz.sh [seconds per target, default 60] [target ...]
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh 6 fuzz
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(settings linesconfig photo upgrade pinyin measurement)
build=build-fuzz
# Absolute paths: a target works in a folder of its own once it has started.
root=$(pwd)
CC=clang CXX=clang++ cmake -S . -B "$build" -DKORVELIN_QT_MAJOR=6 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKORVELIN_FUZZ=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"
export QT_QPA_PLATFORM=offscreen KORVELIN_CAMERA=sim ASAN_OPTIONS=detect_leaks=0
status=0
for target in "${targets[@]}"; do
    corpus=$root/$build/corpus/$target
    mkdir -p "$corpus" "tests/fuzz/$target"
    cp -n "fuzz/corpus/$target"/* "$corpus"/
    log=$build/$target.log
    "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
        -artifact_prefix="$root/tests/fuzz/$target/" "$corpus" >"$log" 2>&1 && found="" || found=", failed: see $log"
    [ -z "$found" ] || status=1
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$target: ${runs:-?} executions in $seconds s$found"
done
exit $status
