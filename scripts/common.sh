# Shared by run.sh and test.sh: the packages the project needs, and a private
# virtual display with a window manager for Wine.

# Debian packages: the Windows cross compiler, Wine, the virtual display and
# its window manager, Japanese fonts, screenshots and keys typed on the
# virtual display, and clang for the fuzzer.
TASTREL_PACKAGES=(
  cmake g++ libgtest-dev googletest
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 xvfb openbox x11-utils xdotool
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-wine imagemagick
  clang libclang-rt-14-dev locales
)

ensure_packages() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Starts Xvfb on a free display number with openbox on it (without a window
# manager Wine stalls about 2 s on every hide of a window), with the openbox
# configuration file given, if any. Sets DISPLAY and TASTREL_DISPLAY_PIDS.
start_virtual_display() {
  local number=90
  while [ -e "/tmp/.X${number}-lock" ] || [ -e "/tmp/.X11-unix/X${number}" ]; do number=$((number + 1)); done
  Xvfb ":${number}" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  TASTREL_DISPLAY_PIDS="$!"
  export DISPLAY=":${number}"
  for _ in $(seq 1 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  # Wine reads the work area once, when its server starts: the window
  # manager first, until it says it has started.
  local started
  started=$(mktemp -u)
  openbox ${1:+--config-file "$(realpath "$1")"} --startup "touch $started" >/dev/null 2>&1 &
  TASTREL_DISPLAY_PIDS="$TASTREL_DISPLAY_PIDS $!"
  for _ in $(seq 1 100); do [ -e "$started" ] && break; sleep 0.1; done
  rm -f "$started"
}

stop_virtual_display() {
  [ -n "${TASTREL_DISPLAY_PIDS:-}" ] && kill $TASTREL_DISPLAY_PIDS 2>/dev/null || true
  TASTREL_DISPLAY_PIDS=""
}

# A private Wine prefix under the build folder, booted once; Japanese code
# page 932 for the ANSI entry points and the settings file. The Japanese
# locale is compiled beside it: without it Wine still uses code page 932 but
# cannot open files with Japanese names.
prepare_wine() {
  local locales
  locales="$(dirname "$1")/locale"
  if [ ! -d "$locales/ja_JP.UTF-8" ]; then
    mkdir -p "$locales"
    localedef -i ja_JP -f UTF-8 "$locales/ja_JP.UTF-8" >/dev/null 2>&1 || true
  fi
  export LOCPATH="$locales"
  export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  # This shell cannot see LOCPATH yet and would warn; the programs it starts can.
  { export LC_ALL=ja_JP.UTF-8; } 2>/dev/null
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    # Wine draws the windows' frames itself, as Windows does; frames of the
    # window manager would widen windows narrower than their title bar.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
    wineserver -w
  fi
  # Wine draws the title-bar buttons with glyphs of its Marlett font, which
  # it does not find in Debian's fonts-wine folder: without a copy in the
  # prefix they show as the characters "0", "1" and "r".
  [ -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ] ||
    cp "$(dpkg -L fonts-wine | grep '/marlett\.ttf$')" "$WINEPREFIX/drive_c/windows/Fonts/"
}

# A virtual display and a warm Wine session in the given prefix, both ended
# when the calling script exits; the second argument is an openbox
# configuration file, read before Wine, which reads the work area once. One persistent Wine server and one set of
# Wine's services serve every program the script starts: started by a program
# under a pipe instead, they would hold that pipe open for seconds.
start_wine_session() {
  start_virtual_display "${2:-}"
  trap '[ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null; stop_virtual_display' EXIT
  prepare_wine "$1"
  wineserver -p >/dev/null 2>&1 </dev/null
  wine cmd.exe /c exit >/dev/null 2>&1 </dev/null
}

# For the benchmarks: builds these targets of the Windows preset, then starts
# a Wine session in a prefix of their own, so that a test run's server is
# never ended from there.
start_bench_session() {
  cmake --preset mingw >/dev/null
  cmake --build --preset mingw --target "$@"
  start_wine_session "$PWD/build/wine-bench"
}

# The handle of a visible window whose title matches "^$1$", waited for at
# most $2 seconds; empty when none came.
visible_window() { timeout "$2" xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true; }

# Until the screen stops changing (at most 10 s): start-up is over and the
# windows have painted.
settle_screen() {
  local shot last=""
  for _ in $(seq 1 20); do
    sleep 0.5
    shot=$(import -window root rgb:- | md5sum)
    [ "$shot" = "$last" ] && return
    last=$shot
  done
}
