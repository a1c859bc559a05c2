#!/usr/bin/env bash
# Builds the libFuzzer targets with clang-14 (AddressSanitizer and
# UndefinedBehaviorSanitizer on the whole core) in build-fuzz/, runs every
# seed input of fuzz/corpus/ once, then fuzzes each target for SECONDS
# (default 60), two targets at a time. Prints its lines per target and
# fails on any crash,
# sanitizer report, leak, per-input timeout or memory blow-up.
#
#   bash scripts/fuzz.sh [SECONDS] [TARGET...]
#
# Targets: chart_file settings cli_options full_pass handover (all by default).
# New inputs found go to build-fuzz/corpus/<target>/, inputs that broke a
# target to build-fuzz/artifacts/ (re-run one with
# build-fuzz/fuzz/fuzz_<target> <file>).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(chart_file settings cli_options full_pass handover)
if ! [[ "$seconds" =~ ^[0-9]+$ ]]; then
  echo "usage: bash scripts/fuzz.sh [SECONDS] [TARGET...]" >&2
  exit 2
fi

build=build-fuzz
CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_FUZZ=ON \
  -DORVANE_GUI=OFF -DORVANE_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzz_all
mkdir -p "$build/artifacts" "$build/logs"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions="$PWD/scripts/lsan-suppressions.txt"

# One target: its seed inputs, then SECONDS of fuzzing; its lines on
# standard output, status 0 when it passed.
fuzz_one() {
  local t=$1
  exe="$build/fuzz/fuzz_$t"
  seeds="fuzz/corpus/$t"
  if [ ! -x "$exe" ] || [ ! -d "$seeds" ]; then
    echo "fuzz $t: no such target" >&2
    return 1
  fi
  log="$build/logs/$t.log"

  # The seed inputs once each: what once broke a target must keep working.
  if ! "$exe" -timeout=5 -rss_limit_mb=2048 "$seeds"/* >"$log" 2>&1; then
    echo "fuzz $t: seed corpus FAILED (log: $log)"
    tail -n 30 "$log"
    return 1
  fi
  count=$(find "$seeds" -type f | wc -l)
  echo "fuzz $t: seed corpus passed ($count inputs)"

  if ((seconds == 0)); then
    return 0
  fi
  work="$build/corpus/$t"
  mkdir -p "$work"
  status=0
  "$exe" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$t-" "$work" "$seeds" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^Done \([0-9]*\) runs in.*/\1/p' "$log" | tail -n 1)
  # A run that stopped early has no closing count: its last progress line
  # tells how far it got.
  reached=${runs:-$(sed -n 's/^#\([0-9]*\).*/\1/p' "$log" | tail -n 1)}
  if ((status == 0)) && [ -n "$runs" ]; then
    echo "fuzz $t: $runs executions in ${seconds} s, no crash, timeout or leak"
    return 0
  else
    what="crash or sanitizer report"
    grep -q 'ERROR: libFuzzer: timeout' "$log" && what="timeout (an input ran longer than 5 s)"
    grep -q 'ERROR: LeakSanitizer' "$log" && what="leak"
    grep -q 'ERROR: libFuzzer: out-of-memory' "$log" && what="out of memory"
    echo "fuzz $t: FAILED after about ${reached:-?} executions: $what (exit $status, log: $log)"
    grep -E 'runtime error|ERROR:|check failed|SUMMARY|Test unit written' "$log" | head -n 10 || true
    return 1
  fi
}

# Two targets at a time (one a core); each one's lines are printed in the
# targets' order once all have run.
passed=0
failed=0
pids=()
for t in "${targets[@]}"; do
  while (($(jobs -rp | wc -l) >= 2)); do wait -n || true; done
  fuzz_one "$t" >"$build/logs/$t.out" 2>&1 &
  pids+=($!)
done
for i in "${!targets[@]}"; do
  if wait "${pids[$i]}"; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
  cat "$build/logs/${targets[$i]}.out"
done
echo "fuzz: $passed passed, $failed failed"
((failed == 0))
