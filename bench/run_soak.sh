#!/usr/bin/env bash
# Builds tastrel.exe, the stand-in and the soak benchmark for Windows in a
# build folder of their own, then under Wine, on a private display, runs
# Tastrel beside the stand-in's dialog with a palette click and a keypad
# press a second, and prints its handles, GUI objects and memory at the
# start, each minute and at the end, with a verdict on their growth.
# Argument: minutes (default 10).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
source bench/common.sh
ensure_packages "${TASTREL_PACKAGES[@]}"
minutes=${1:-10}

start_release_bench_session soak soak

names=(handles listed USER GDI windows VmRSS VmHWM)
units=("" "" "" "" "" " kB" " kB")
# What the first clicks may take once and keep (the palette's first show,
# the first keys sent, Wine's caches filling): growth up to this is noise.
# In trial runs the first minute took about 300 kB and no handle or window.
tolerance=(4 4 4 4 2 1024 1024)

# Resident kB now and at the peak (VmRSS, VmHWM); "- -" once it is gone.
memory_kb() {
  local kb
  kb=$(awk '/^VmRSS:/ {rss = $2} /^VmHWM:/ {hwm = $2} END {print rss, hwm}' "/proc/$1/status" 2>/dev/null) || true
  [[ $kb == [0-9]*' '[0-9]* ]] && echo "$kb" || echo "- -"
}

table_row() { printf '%5s %8s %7s %5s %5s %8s %9s %9s %7s %8s %10s %12s\n' "$@"; }

# The benchmark's samples as a table, with the memory of the moment added
# (it waits for a line meanwhile); its other lines as they come.
coproc soak { wine "$build/bench/soak.exe" "$minutes"; }
exec {from}<&"${soak[0]}" {to}>&"${soak[1]}"  # bash drops soak[] and soak_PID once it ends
soak_pid=$soak_PID
pid="" first=() last=()
while IFS= read -r line <&$from; do
  line=${line%$'\r'}
  [[ $line == 'sample '* ]] || { echo "$line"; continue; }
  if [ -z "$pid" ]; then
    pid=$(unix_pid 'soak\tastrel.exe') || pid=none
    table_row min handles listed USER GDI windows "VmRSS kB" "VmHWM kB" clicks presses "keys main" "keys dialog"
  fi
  read -r _ seconds handles listed user gdi windows clicks presses to_main to_dialog <<<"$line"
  read -r rss hwm <<<"$(memory_kb "$pid")"
  row=("$handles" "$listed" "$user" "$gdi" "$windows" "$rss" "$hwm")
  echo >&$to
  table_row "$((seconds / 60)).$((seconds % 60 / 6))" "${row[@]}" "$clicks" "$presses" "$to_main" "$to_dialog"
  [ ${#first[@]} -gt 0 ] || first=("${row[@]}")
  last=("${row[@]}")
done
wait "$soak_pid" && clean=yes || clean=no
[ ${#first[@]} -gt 0 ] || { echo "no figures: the soak did not start"; exit 1; }

echo "handles: GetProcessHandleCount on an OpenProcess handle; listed: Tastrel's handles in the wineserver's list"
echo "(NtQuerySystemInformation); USER, GDI: GetGuiResources; windows: Tastrel's windows with their children;"
echo "-: not reported by Wine. VmRSS, VmHWM: /proc/$pid/status of the Unix process running tastrel.exe;"
echo "keys: key-downs in the stand-in's key log, to its main window (palette) and to the dialog's fields (keypad)"

growth=() grown=() unreported=() gone=() allowed=()
for i in "${!names[@]}"; do
  if [ "${first[i]}" = - ]; then unreported+=("${names[i]}"); continue; fi
  if [ "${last[i]}" = - ]; then gone+=("${names[i]}"); continue; fi
  allowed+=("${names[i]} ${tolerance[i]}${units[i]}")
  change=$((last[i] - first[i]))
  growth+=("${names[i]} $(printf %+d "$change")${units[i]}")
  [ "$change" -le "${tolerance[i]}" ] || grown+=("${names[i]}")
done
join() { local list; list=$(printf '%s, ' "$@"); echo "${list%, }"; }
if [ "$clean" = no ]; then verdict="FAILED: Tastrel ended or showed a message box (above)"
elif [ ${#grown[@]} -gt 0 ]; then verdict="GROWTH beyond start-up noise in $(join "${grown[@]}")"
else verdict="no growth beyond start-up noise"; fi
echo "verdict: $verdict; end vs start: $(join "${growth[@]}") (noise allowed: $(join "${allowed[@]}")); typed:" \
  "$to_main keys of $clicks clicks, $to_dialog of $presses presses$(
  [ ${#unreported[@]} -eq 0 ] || echo "; not reported by Wine: $(join "${unreported[@]}")")$(
  [ ${#gone[@]} -eq 0 ] || echo "; gone at the end: $(join "${gone[@]}")")"
[ "$clean" = yes ]
