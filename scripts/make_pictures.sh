#!/usr/bin/env bash
# Makes the README's pictures, docs/palette.png, docs/keypad.png and
# docs/editor.png, from a real run: two end-to-end tests start tastrel.exe
# beside the stand-in under Wine and save its windows as they are on screen
# (the first start, answered OK; the editor with CTRL+z tried on the first
# button). Run it again after changing what the windows show.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
ensure_packages "${TASTREL_PACKAGES[@]}"

cmake --preset mingw >/dev/null
cmake --build --preset mingw --target e2e_tests
start_wine_session "$PWD/build/wine"

artifacts=build/mingw/tests/e2e/artifacts
rm -f "$artifacts"/{palette,keypad,editor-preview}.bmp
wine build/mingw/tests/e2e/e2e_tests.exe --gtest_brief=1 \
  --gtest_filter='StartUp.WithoutSettingsTheDefaultsAreLaidOutAndSavedOnYes:Editor.CtrlZIsTriedInModelerAppliedAndSaved'
mkdir -p docs
for shot in palette:palette keypad:keypad editor-preview:editor; do
  convert "$artifacts/${shot%%:*}.bmp" -strip "docs/${shot#*:}.png"
done
ls -l docs/*.png
