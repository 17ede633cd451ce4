#!/usr/bin/env bash
# Builds tastrel.exe, the stand-in and the benchmark for Windows in a build
# folder of their own, then under Wine, on a private display, times how soon
# the palette hides itself once the stand-in shows its dialog, with the
# keypad open and the pop-up watch on. Argument: rounds (default 100).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
source bench/common.sh
ensure_packages "${TASTREL_PACKAGES[@]}"

start_release_bench_session palette-hide palette_hide

wine "$build/bench/palette_hide.exe" "${1:-100}" | tr -d '\r'
