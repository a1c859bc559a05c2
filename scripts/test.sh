#!/usr/bin/env bash
# Builds everything and runs every test: the full build (warnings as errors
# under CI), then the core tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the fuzz targets (clang-14, libFuzzer):
# each seed corpus once and each target for a minute.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
export QT_QPA_PLATFORM=offscreen
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON

echo "== build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_WERROR=$werror >/dev/null
cmake --build build
echo "== tests"
(cd build && ctest --output-on-failure -j2 --timeout 600)

echo "== core tests under AddressSanitizer + UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANE_SANITIZE=ON \
  -DORVANE_GUI=OFF -DORVANE_BENCH=OFF -DORVANE_WERROR=$werror >/dev/null
cmake --build build-asan
# The output fixture (every output of 2,000 charts) runs in the full build
# only: under the sanitizers it would take a quarter of an hour.
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS=suppressions="$PWD/../scripts/lsan-suppressions.txt" \
  ctest --output-on-failure -j2 --timeout 900 -E 'OutputFixture')

echo "== fuzz targets: seed corpora, then 60 s each"
bash scripts/fuzz.sh 60
