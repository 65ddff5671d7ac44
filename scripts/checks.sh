#!/usr/bin/env bash
# The checks CI runs after the normal test suite (scripts/test.sh):
#  0. the sources formatted as .clang-format says (scripts/format-check.sh);
#  1. a build of everything under AddressSanitizer and UndefinedBehaviorSanitizer
#     in its own folder (build-asan), with clang when it is installed;
#  2. the whole test suite in that build: any finding fails;
#  3. every libFuzzer target of tests/fuzz (clang only): its checked-in corpus
#     replayed, then FUZZ_SECONDS (default 60) of fuzzing; a crash fails and
#     the input that caused it is kept under build-asan/fuzz-artifacts/.
# Prints how long each stage took and the figures of each.
set -uo pipefail
cd "$(dirname "$0")/.."
ROOT="$PWD"
BUILD="${ASAN_BUILD_DIR:-build-asan}"
FUZZ_SECONDS="${FUZZ_SECONDS:-60}"
FUZZ_TARGETS=(data_file image_codec ini_reader reply_classifiers transfer_engine csv_import edit_expressions)
failed=0

stage_start() { STAGE_NAME="$1"; STAGE_T0=$SECONDS; echo "=== $1"; }
stage_end() { echo "=== $STAGE_NAME: $((SECONDS - STAGE_T0)) s"; }

bash scripts/install-deps.sh --checks || exit 1

stage_start "format check (clang-format 14)"
format_log=$(mktemp)
if ! bash scripts/format-check.sh >"$format_log" 2>&1; then
  echo "format check FAILED: $(grep -c 'error:' "$format_log") places differ from .clang-format"
  head -n 40 "$format_log"
  failed=1
fi
rm -f "$format_log"
stage_end

stage_start "sanitizer build ($BUILD)"
if [ ! -f "$BUILD/build.ninja" ]; then
  options=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRISKO7_SANITIZE=ON)
  if command -v clang++ >/dev/null 2>&1; then
    options+=(-DCMAKE_CXX_COMPILER=clang++ -DBRISKO7_FUZZ=ON)
  else
    echo "clang++ is not installed: sanitizers with the default compiler, no fuzzing"
  fi
  if command -v ccache >/dev/null 2>&1; then
    options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  cmake -S . -B "$BUILD" "${options[@]}" >/dev/null || exit 1
fi
cmake --build "$BUILD" -j "$(nproc)" || exit 1
stage_end

stage_start "test suite under AddressSanitizer and UndefinedBehaviorSanitizer"
# The only suppression: the font library's caches, which it never frees.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$ROOT/scripts/lsan-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
log="$BUILD/ctest-sanitizers.log"
(cd "$BUILD" && ctest --output-on-failure -j "$(nproc)") >"$log" 2>&1
status=$?
grep -E "tests passed|Total Test time" "$log" || tail -n 40 "$log"
if [ $status -ne 0 ]; then
  echo "sanitizer test run FAILED (details in $log):"
  grep -E "(ERROR|SUMMARY): (Address|Leak|UndefinedBehavior)Sanitizer|runtime error:|\(Failed\)|\*\*\*" "$log" | head -n 40
  failed=1
fi
stage_end

if [ ! -x "$BUILD/tests/fuzz/fuzz_${FUZZ_TARGETS[0]}" ]; then
  echo "no fuzz targets built (clang missing): fuzzing skipped"
  exit $failed
fi

mkdir -p "$BUILD/fuzz-artifacts"
for target in "${FUZZ_TARGETS[@]}"; do
  stage_start "fuzz_$target: corpus replay and ${FUZZ_SECONDS} s of fuzzing"
  binary="$BUILD/tests/fuzz/fuzz_$target"
  seeds="$ROOT/tests/fuzz/corpus/$target"
  work="$BUILD/fuzz-corpus/$target"
  mkdir -p "$work"
  common=(-artifact_prefix="$BUILD/fuzz-artifacts/$target-" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1)
  flog="$BUILD/fuzz-$target.log"
  if ! "$binary" "${common[@]}" -runs=0 "$seeds" >"$flog.replay" 2>&1; then
    echo "fuzz_$target: the checked-in corpus FAILS"; tail -n 30 "$flog.replay"; failed=1
  fi
  if "$binary" "${common[@]}" -max_total_time="$FUZZ_SECONDS" "$work" "$seeds" >"$flog" 2>&1; then
    execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$flog" | grep -o '[0-9]*$')
    done_line=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$flog" | tail -n 1)
    echo "fuzz_$target: ${execs:-?} executions; ${done_line:-no summary}"
  else
    echo "fuzz_$target FAILED; the input is kept:"
    grep -E "Test unit written to|ERROR:|property failed" "$flog" | head -n 10
    failed=1
  fi
  stage_end
done
exit $failed
