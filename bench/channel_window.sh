#!/usr/bin/env bash
# Channel window benchmark: group switches and 1,000 cell edits through the
# grid's editors on full documents (see bench/channel_window_bench.cpp).
# Targets: a group switch under 30 ms, an edit under 2 ms.
#
# usage: bench/channel_window.sh [BUILD_DIR]      (default: build)
set -euo pipefail

build=${1:-build}
bench="$build/bench/channel_window_bench"
program="$build/stage/V100"
cmake --build "$build" --target channel_window_bench brisko7_data >/dev/null
[[ -x "$bench" ]] || { echo "no $bench" >&2; exit 2; }
QT_QPA_PLATFORM=offscreen "$bench" "$program"
