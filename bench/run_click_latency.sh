#!/usr/bin/env bash
# Builds tastrel.exe, the stand-in and the benchmark for Windows, then times
# clicks on the palette's first button against a minimal sender under Wine,
# on a private display, and prints the figures. Argument: clicks per sender
# (default 200).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
ensure_packages "${TASTREL_PACKAGES[@]}"

cmake --preset mingw >/dev/null
cmake --build --preset mingw --target click_latency standin tastrel

# A prefix of its own, so a test run's server is never ended from here.
start_wine_session "$PWD/build/wine-bench"

wine build/mingw/bench/click_latency.exe "${1:-200}" | tr -d '\r'
