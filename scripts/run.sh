#!/usr/bin/env bash
# Builds Orvane and runs it: the desktop program where there is a display,
# otherwise the chart of the current moment as text.
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
echo "No display: the chart of the current moment at the default place follows as text."
build/orvane-cli --now --section 4
build/orvane-cli --now --section 5
