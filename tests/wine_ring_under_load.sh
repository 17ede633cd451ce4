#!/usr/bin/env bash
# The Wine ring (the unit tests as a Windows program and the end-to-end
# tests) with every core kept busy meanwhile: focus, timers, boxes and typing
# must work on a machine busy with other work, not only on a quiet one.
# The busy processes run at the tests' own priority and are ended by their
# PIDs at the end. An argument narrows the run to the tests whose names match
# that regular expression, as for ctest -R.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
ensure_packages "${TASTREL_PACKAGES[@]}"

cmake --preset mingw >/dev/null
cmake --build --preset mingw
start_wine_session "$PWD/build/wine" tests/e2e/taskbar.xml

busy=()
for _ in $(seq "$(nproc)"); do
  (while :; do :; done) &
  busy+=("$!")
done
trap 'kill "${busy[@]}" 2>/dev/null; [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null; stop_virtual_display' EXIT
echo "${#busy[@]} busy processes: ${busy[*]}"

start=$(date +%s)
status=0
ctest --test-dir build/mingw --output-on-failure -R "${1:-.}" || status=$?
echo "The Wine ring took $(($(date +%s) - start)) s with every core busy."
exit "$status"
