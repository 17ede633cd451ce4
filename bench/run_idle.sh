#!/usr/bin/env bash
# Builds tastrel.exe, the stand-in and the idle benchmark for Windows in a
# build folder of their own, then under Wine, on a private display, prints
# Tastrel's CPU time at rest, its keypad open and the pop-up watch on: beside
# the stand-in with no dialog, then beside it minimised. A hello-world that
# does nothing but wake every 50 ms runs beside it: the floor of any program
# woken as often. A row a minute and one for each scene.
# Argument: minutes a scene (default 5).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
source bench/common.sh
ensure_packages "${TASTREL_PACKAGES[@]}"
minutes=${1:-5}

start_release_bench_session idle idle_cpu

coproc idle { wine "$build/bench/idle_cpu.exe" 2>/dev/null; }
exec {from}<&"${idle[0]}" {to}>&"${idle[1]}"  # bash drops idle[] once it ends
tick_ms=$((1000 / $(getconf CLK_TCK)))

# A row: its name, its length in ms, then the ticks of Tastrel, the ticking
# hello-world and the server in it.
row() {
  awk -v tick="$tick_ms" -v name="$1" -v ms="$2" -v t="$3" -v h="$4" -v w="$5" 'BEGIN {
    printf "%-12s %8d %9.2f %9.2f %11.2f\n", name, ms, 1000 * t * tick / ms, 1000 * h * tick / ms, 1000 * w * tick / ms }'
}

echo "CPU time in ms a second (user + kernel) over $minutes min a scene; Tastrel has its keypad open and"
echo "the pop-up watch on; hello: a hello-world woken by a 50 ms timer that does nothing; the"
echo "wineserver serves all three and the idle stand-in"
printf '%-12s %8s %9s %9s %11s\n' scene ms Tastrel hello wineserver
notes=()
while IFS= read -r line <&$from; do
  line=${line%$'\r'}
  [[ $line == 'ready '* ]] || { notes+=("$line"); continue; }
  scene=${line#ready }
  [ -n "${pids:-}" ] || pids="$(unix_pid 'idle-cpu\tastrel.exe') $(unix_pid hello_window.exe) $(unix_pid wineserver)"
  read -ra first <<<"$(for pid in $pids; do cpu_ticks "$pid"; done | xargs)"
  start=$(now_ms) at=$start last=("${first[@]}")
  for minute in $(seq "$minutes"); do
    sleep 60
    now=$(now_ms)
    read -ra next <<<"$(for pid in $pids; do cpu_ticks "$pid"; done | xargs)"
    row "$scene $minute" $((now - at)) $((next[0] - last[0])) $((next[1] - last[1])) $((next[2] - last[2]))
    at=$now last=("${next[@]}")
  done
  row "$scene all" $((at - start)) $((last[0] - first[0])) $((last[1] - first[1])) $((last[2] - first[2]))
  echo >&$to
done
echo "from utime + stime in /proc/<pid>/stat of each Unix process (all its threads), in $tick_ms ms ticks"
echo "(a minute's row is good to $(awk -v tick="$tick_ms" 'BEGIN { printf "%.2f", tick / 60 }') ms a second)"
printf '%s\n' "${notes[@]}"
