#!/usr/bin/env bash
# Builds tastrel.exe and starts it under Wine with the Japanese code page,
# beside the stand-in for LightWave Modeler, on $DISPLAY, or on a virtual
# display when there is none (then it saves a screenshot and says where).
# The stand-in logs every key it receives to build/run/standin-keys.log.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
ensure_packages "${TASTREL_PACKAGES[@]}"

cmake --preset mingw >/dev/null
cmake --build --preset mingw --target tastrel standin

# The settings file lives next to the exe: give it a folder of its own.
mkdir -p build/run
cp build/mingw/tastrel.exe build/mingw/tests/standin/standin.exe build/run/

virtual=0
if [ -z "${DISPLAY:-}" ]; then
  virtual=1
  start_virtual_display
fi
trap '[ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null; stop_virtual_display' EXIT
prepare_wine "$PWD/build/wine-run"

wine build/run/standin.exe &
sleep 2
if [ "$virtual" -eq 0 ]; then
  wine build/run/tastrel.exe
  exit 0
fi

wine build/run/tastrel.exe &
sleep 6
mkdir -p build/screenshots
import -window root build/screenshots/run.png
echo "No display was set: Tastrel ran on a virtual display. Screenshot: $PWD/build/screenshots/run.png"
