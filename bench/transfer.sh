#!/usr/bin/env bash
# Transfer benchmark: a full read and a full write between brisko7-cli and
# brisko7-sim at the real line speed (9600 baud, 8N1: 1/960 s per byte, echo
# on). Prints the client's wall time, the line time the virtual radio counted
# for every byte in either direction, their ratio and the client's CPU time.
# Targets: wall <= 1.05 x line time, CPU < 5 % of wall.
#
# usage: bench/transfer.sh [BUILD_DIR]      (default: build)
set -euo pipefail

build=${1:-build}
prog="$build/stage/V100"
for p in brisko7-sim brisko7-cli; do
    [[ -x "$prog/$p" ]] || { echo "no $prog/$p: build the targets brisko7-sim brisko7-cli brisko7_data first" >&2; exit 2; }
done
work=$(mktemp -d)
sim_pid=
cleanup() {
    [[ -n "$sim_pid" ]] && kill "$sim_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# start_sim: starts a paced virtual radio and sets $device.
start_sim() {
    "$prog/brisko7-sim" --pace --echo on --once --no-announce --quiet >"$work/sim.out" 2>"$work/sim.err" &
    sim_pid=$!
    for _ in $(seq 100); do
        device=$(head -n 1 "$work/sim.out" 2>/dev/null || true)
        [[ -n "$device" ]] && return 0
        sleep 0.02
    done
    echo "brisko7-sim did not start" >&2
    exit 1
}

# measure LABEL CLI-ARGS...: one transfer, one line of figures.
measure() {
    local label=$1
    shift
    start_sim
    local TIMEFORMAT='%R %U %S'
    { time "$prog/brisko7-cli" "$@" --port "$device" >/dev/null 2>"$work/cli.err"; } 2>"$work/time" || {
        echo "$label failed:" >&2
        cat "$work/cli.err" >&2
        exit 1
    }
    wait "$sim_pid" || true
    sim_pid=
    local line
    line=$(sed -n 's/^line time: \([0-9.]*\) s.*/\1/p' "$work/sim.out")
    read -r wall user sys <"$work/time"
    awk -v l="$label" -v w="$wall" -v u="$user" -v s="$sys" -v t="$line" 'BEGIN {
        cpu = u + s
        printf "%-6s wall %7.3f s   line %7.3f s   wall/line %5.3f   client CPU %6.3f s (%4.2f %% of wall)\n",
               l, w, t, w / t, cpu, 100 * cpu / w
    }'
}

echo "brisko7 transfer benchmark, 9600 baud 8N1 with echo ($(date -u '+%Y-%m-%d %H:%M UTC'))"
measure read read -o "$work/bench.dat"
measure write write "$work/bench.dat"
