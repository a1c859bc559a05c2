#!/usr/bin/env bash
# Builds the libFuzzer targets with clang-14 (AddressSanitizer and
# UndefinedBehaviorSanitizer on the whole core) in build-fuzz/, runs every
# seed input of fuzz/corpus/ once, then fuzzes each target for SECONDS
# (default 60). Prints one line per target and fails on any crash,
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

passed=0
failed=0
for t in "${targets[@]}"; do
  exe="$build/fuzz/fuzz_$t"
  seeds="fuzz/corpus/$t"
  if [ ! -x "$exe" ] || [ ! -d "$seeds" ]; then
    echo "fuzz $t: no such target" >&2
    failed=$((failed + 1))
    continue
  fi
  log="$build/logs/$t.log"

  # The seed inputs once each: what once broke a target must keep working.
  if ! "$exe" -timeout=5 -rss_limit_mb=2048 "$seeds"/* >"$log" 2>&1; then
    echo "fuzz $t: seed corpus FAILED (log: $log)"
    tail -n 30 "$log"
    failed=$((failed + 1))
    continue
  fi
  count=$(find "$seeds" -type f | wc -l)
  echo "fuzz $t: seed corpus passed ($count inputs)"

  if ((seconds == 0)); then
    passed=$((passed + 1))
    continue
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
    passed=$((passed + 1))
  else
    what="crash or sanitizer report"
    grep -q 'ERROR: libFuzzer: timeout' "$log" && what="timeout (an input ran longer than 5 s)"
    grep -q 'ERROR: LeakSanitizer' "$log" && what="leak"
    grep -q 'ERROR: libFuzzer: out-of-memory' "$log" && what="out of memory"
    echo "fuzz $t: FAILED after about ${reached:-?} executions: $what (exit $status, log: $log)"
    grep -E 'runtime error|ERROR:|check failed|SUMMARY|Test unit written' "$log" | head -n 10 || true
    failed=$((failed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
((failed == 0))
