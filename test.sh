#!/usr/bin/env bash
# Builds every preset and runs every test ring: the native unit tests, the
# same under AddressSanitizer and UndefinedBehaviorSanitizer, a fuzzing smoke
# run, and the unit tests as Windows programs under Wine. Ends with CTest's
# summary of all of them; exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
ensure_packages "${TASTREL_PACKAGES[@]}"

# Every picture the README shows is in the tree, not only on this disk.
for picture in $(grep -oP '!\[[^]]*\]\(\K[^)]+' README.md); do
  if ! git ls-files --error-unmatch "$picture" >/dev/null 2>&1; then
    echo "README.md shows $picture, which is not in the tree: make it with scripts/make_pictures.sh" >&2
    exit 1
  fi
done

for preset in linux linux-asan fuzz mingw; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

start_wine_session "$PWD/build/wine" tests/e2e/taskbar.xml

# One CTest run over all rings, so one summary counts every test.
cat > build/CTestTestfile.cmake <<'CTEST'
subdirs("linux" "linux-asan" "fuzz" "mingw")
CTEST
ctest --test-dir build --output-on-failure -j2
