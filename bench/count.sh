#!/bin/sh
# Instruction counts of the drag, unit-change, capture and start-up benchmarks, which hold on a
# machine shared with other work where their timings do not. Each benchmark runs under callgrind,
# once through each measured part (it marks them, see bench/Counting.h), and the instructions of
# each part are printed, for one move where the part is a series of moves.
#
# Usage: bench/count.sh [build folder] [benchmark ...]
#   build folder: an optimised build (cmake -DCMAKE_BUILD_TYPE=Release), default build-release
#   benchmark:    bench_drag bench_manyitems bench_capture bench_startup (the default: all four)
#
# Needs valgrind (apt-get install valgrind), whose headers the benchmarks are built with. Only
# the instructions the program runs itself are counted, not the kernel's: the disk's share of a
# capture or of a raw write is not in them. Under callgrind a benchmark runs about a hundred
# times slower; the 10,000 items of bench_manyitems take several minutes.
set -eu

build=${1:-build-release}
[ $# -gt 0 ] && shift
benchmarks=${*:-bench_drag bench_manyitems bench_capture bench_startup}

command -v valgrind >/dev/null 2>&1 || {
    echo "count: valgrind not found; install it with: apt-get install valgrind" >&2
    exit 1
}

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

for bench in $benchmarks; do
    program=$build/bench/$bench
    [ -x "$program" ] || { echo "count: no $program; build it first" >&2; exit 1; }
    rm -f "$out"/callgrind.*
    # Children too: the start-up benchmark starts each window in a process of its own.
    if ! QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --trace-children=yes \
        --callgrind-out-file="$out/callgrind.%p" "$program" >"$out/stdout" 2>"$out/stderr"; then
        echo "count: $bench failed under callgrind:" >&2
        tail -n 20 "$out/stderr" "$out/stdout" >&2
        exit 1
    fi
    # One file a marked part: "desc: Trigger: Client Request: count <name>|<runs>" and its
    # "summary: <instructions>".
    for file in "$out"/callgrind.*; do
        awk '/^desc: Trigger: Client Request: count / {
                 mark = substr($0, index($0, "count ") + 6)
             }
             /^summary: / { total = $2 }
             END {
                 if (mark == "") exit
                 n = split(mark, part, "|")
                 runs = part[n] + 0
                 name = substr(mark, 1, length(mark) - length(part[n]) - 1)
                 if (runs > 1)
                     printf "%s: %.2f million instructions (one of %d)\n", name, total / runs / 1e6, runs
                 else
                     printf "%s: %.1f million instructions\n", name, total / 1e6
             }' "$file"
    done | sort -t: -k1,1 -u
done
