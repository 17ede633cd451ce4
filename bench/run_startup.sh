#!/usr/bin/env bash
# Builds tastrel.exe, the stand-in, a hello-world program and the start-up
# benchmark for Windows, then under Wine, on a private display, times both
# programs in turns from CreateProcess to their first visible window and
# prints the figures. Argument: runs per program (default 24).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
ensure_packages "${TASTREL_PACKAGES[@]}"

start_bench_session startup_time standin tastrel

wine build/mingw/bench/startup_time.exe "${1:-24}" | tr -d '\r'
