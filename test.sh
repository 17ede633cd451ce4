#!/usr/bin/env bash
# Builds every preset and runs every test ring: the native unit tests, the
# same under AddressSanitizer and UndefinedBehaviorSanitizer, a fuzzing smoke
# run, and the unit tests as Windows programs under Wine. Ends with CTest's
# summary of all of them; exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
ensure_packages "${TASTREL_PACKAGES[@]}"

for preset in linux linux-asan fuzz mingw; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

start_virtual_display
cleanup() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null || true
  stop_virtual_display
}
trap cleanup EXIT
prepare_wine "$PWD/build/wine"
# One Wine server and one set of Wine's services for the whole run. Started by
# a test instead, they would hold CTest's output pipe open for seconds.
wineserver -p >/dev/null 2>&1 </dev/null
wine cmd.exe /c exit >/dev/null 2>&1 </dev/null

# One CTest run over all rings, so one summary counts every test.
cat > build/CTestTestfile.cmake <<'CTEST'
subdirs("linux" "linux-asan" "fuzz" "mingw")
CTEST
ctest --test-dir build --output-on-failure -j2
