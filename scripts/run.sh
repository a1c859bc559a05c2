#!/usr/bin/env bash
# Builds Orvane and runs it: the desktop program where there is a display,
# otherwise the chart of the start-up default file as text.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
if [ -x build/app/orvane ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec build/app/orvane "$@"
fi
if [ $# -gt 0 ]; then
  exec build/orvane-cli "$@"
fi
chart="$(mktemp -d)/dvktmp.dvk"
printf '4\n4\n1970\n17.5000\n-5.30\n-81.12\n16.15' >"$chart"
echo "No display: the chart of the start-up default file follows as text."
build/orvane-cli "$chart"
for section in 4 5 41; do
  build/orvane-cli --section "$section" "$chart"
done
