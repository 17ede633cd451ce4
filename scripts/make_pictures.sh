#!/usr/bin/env bash
# Makes the README's pictures, docs/palette.png, docs/keypad.png and
# docs/editor.png, from a real run under Wine on a virtual display: Tastrel's
# first start beside the stand-in, its message answered OK, then the editor
# opened from the "設定" menu. Run it again after changing what the windows show.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
ensure_packages "${TASTREL_PACKAGES[@]}"

cmake --preset mingw >/dev/null
cmake --build --preset mingw --target tastrel standin
start_wine_session "$PWD/build/wine"

folder=$(mktemp -d)
trap 'rm -rf "$folder"; [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null; stop_virtual_display' EXIT
cp build/mingw/tastrel.exe build/mingw/tests/standin/standin.exe "$folder/"
(cd "$folder" && wine standin.exe >/dev/null 2>&1 &)
visible_window 'LightWave Modeler.*' 20 >/dev/null
(cd "$folder" && wine tastrel.exe >/dev/null 2>&1 &)
shoot() {  # window, picture
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage -strip "docs/$2.png"
}
box=$(visible_window Tastrel 20)
xdotool windowactivate --sync "$box" key Return
xdotool mousemove 0 0  # no tooltip in the pictures
settle_screen
mkdir -p docs
palette=$(visible_window Tastrel 5)
shoot "$palette" palette
shoot "$(visible_window Tenkey 5)" keypad
xdotool windowactivate --sync "$palette" key F10 Right Down Return mousemove 0 0  # "設定" → "設定の変更"
settle_screen
shoot "$palette" editor
ls -l docs/*.png
