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

start_virtual_display
cleanup() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null || true
  stop_virtual_display
}
trap cleanup EXIT
# A prefix of its own, so a test run's server is never ended from here.
prepare_wine "$PWD/build/wine-bench"
# One persistent Wine server: otherwise each program started under a pipe
# holds it open for seconds after it ends.
wineserver -p >/dev/null 2>&1 </dev/null
wine cmd.exe /c exit >/dev/null 2>&1 </dev/null

wine build/mingw/bench/click_latency.exe "${1:-200}" | tr -d '\r'
