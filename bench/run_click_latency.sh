#!/usr/bin/env bash
# Builds tastrel.exe, the stand-in and the benchmark for Windows, then times
# clicks on the palette's first button against a minimal sender under Wine,
# on a private display, and prints the figures. Argument: clicks per sender
# (default 200).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
ensure_packages "${TASTREL_PACKAGES[@]}"

start_bench_session click_latency standin tastrel

wine build/mingw/bench/click_latency.exe "${1:-200}" | tr -d '\r'
