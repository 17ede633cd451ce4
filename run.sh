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

(cd build/run && wine standin.exe) &
sleep 2
if [ "$virtual" -eq 0 ]; then
  wine build/run/tastrel.exe
  exit 0
fi

# The screenshot shows what a user sees once Tastrel is up: the palette and
# the keypad beside the stand-in. A first run's message about the missing
# settings file is answered OK; a stored switch that keeps the keypad closed
# is overridden from the "files" menu, third item "ﾃﾝｷｰ呼び出し".
first_run=0
[ -f build/run/lw_m_data_01.txt ] || first_run=1
wine build/run/tastrel.exe &
first=$(visible_window Tastrel 20)
[ "$first_run" -eq 1 ] && [ -n "$first" ] && xdotool windowactivate --sync "$first" key Return
xdotool mousemove 0 0  # no tooltip in the screenshot
settle_screen
palette=$(visible_window Tastrel 1)
keypad=$(visible_window Tenkey 1)
if [ -z "$keypad" ] && [ -n "$palette" ]; then
  xdotool windowactivate --sync "$palette" key F10 Down Down Down Return
  keypad=$(visible_window Tenkey 5)
  settle_screen
fi
if [ -z "$keypad" ] || [ -z "$palette" ]; then
  echo "Tastrel did not show its palette and keypad on the virtual display." >&2
  exit 1
fi
# Cropped to the stand-in, the palette and the keypad.
left=99999 top=99999 right=0 bottom=0
for window in "$(visible_window 'LightWave Modeler.*' 1)" "$palette" "$keypad"; do
  eval "$(xdotool getwindowgeometry --shell "$window")"
  left=$((X < left ? X : left)) top=$((Y < top ? Y : top))
  right=$((X + WIDTH > right ? X + WIDTH : right)) bottom=$((Y + HEIGHT > bottom ? Y + HEIGHT : bottom))
done
mkdir -p build/screenshots
import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage -strip build/screenshots/run.png
echo "No display was set: Tastrel ran on a virtual display. Screenshot: $PWD/build/screenshots/run.png"
