#!/usr/bin/env bash
# Builds tastrel.exe, the stand-in and the keypad benchmarks for Windows in a
# build folder of their own, then under Wine, on a private display, prints the
# CPU time of Tastrel's two 50 ms timers beside a minimal follower (rounds
# beside the stand-in's dialog, then a round with the stand-in minimised and
# its dialog open, and one with it closed), and the keypad's press-to-key
# latency. Arguments: seconds a round (default 10), rounds (default 5),
# presses (default 200).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
source bench/common.sh
ensure_packages "${TASTREL_PACKAGES[@]}"
seconds=${1:-10} rounds=${2:-5} presses=${3:-200}

start_release_bench_session keypad keypad_cpu keypad_latency

# One round: its length in ms, then each pid's CPU ticks before it and after it.
cpu_round() {
  local before=() after=() pid start
  for pid in "$@"; do before+=("$(cpu_ticks "$pid")"); done
  start=$(now_ms)
  sleep "$seconds"
  for pid in "$@"; do after+=("$(cpu_ticks "$pid")"); done
  echo "$(($(now_ms) - start))" "${before[@]}" "${after[@]}"
}

# Tastrel and the minimal follower side by side over the same rounds: the
# dialog's rounds, then one round in each scene the benchmark sets after it.
measure_cpu() {
  local tick_ms=$((1000 / $(getconf CLK_TCK))) line pids=() program rows=() notes=() scene n
  coproc bench { wine "$build/bench/keypad_cpu.exe" 2>/dev/null; }
  exec {from}<&"${bench[0]}" {to}>&"${bench[1]}"  # bash drops bench[] once it ends
  while IFS= read -r line <&$from; do
    line=${line%$'\r'}
    [[ $line == 'ready '* ]] || { notes+=("$line"); continue; }
    scene=${line#ready }
    if [ ${#pids[@]} -eq 0 ]; then
      for program in 'keypad-cpu\tastrel.exe' minimal_follower.exe wineserver; do
        pids+=("$(unix_pid "$program")") || return 1
      done
    fi
    n=1
    [ "$scene" != dialog ] || n=$rounds
    for _ in $(seq "$n"); do rows+=("$scene $(cpu_round "${pids[@]}")"); done
    echo >&$to
  done
  [ ${#rows[@]} -gt 0 ] || { printf '%s\n' "${notes[@]}"; return 1; }
  printf '%s\n' "${rows[@]}" |
    awk -v tick_ms="$tick_ms" -v seconds="$seconds" '
      function row(name, ms, t, m, w) {
        printf "%-16s %8d %9.1f %9.1f %11.1f %7.2f\n", name, ms, 1000 * t / ms, 1000 * m / ms, 1000 * w / ms,
               (m > 0 ? t / m : 0)
      }
      BEGIN {
        printf "CPU time in ms a second (user + kernel), both processes side by side in rounds of %d s;\n", seconds
        printf "ratio = Tastrel / minimal; the wineserver serves both\n"
        printf "%-16s %8s %9s %9s %11s %7s\n", "round", "ms", "Tastrel", "minimal", "wineserver", "ratio"
      }
      {
        t = ($6 - $3) * tick_ms; m = ($7 - $4) * tick_ms; w = ($8 - $5) * tick_ms
        if ($1 != "dialog" && !summed) { row("all dialog", all_ms, all_t, all_m, all_w); summed = 1 }
        if ($1 == "dialog") { row("dialog " NR, $2, t, m, w); all_ms += $2; all_t += t; all_m += m; all_w += w }
        else row($1, $2, t, m, w)
      }
      END { if (!summed) row("all dialog", all_ms, all_t, all_m, all_w) }'
  echo "from utime + stime in /proc/<pid>/stat of each Unix process (all its threads), in $tick_ms ms ticks;"
  echo "under Wine 8 GetProcessTimes on another process's handle answers with the caller's own times"
  printf '%s\n' "${notes[@]}"
}

measure_cpu
echo
wine "$build/bench/keypad_latency.exe" "$presses" | tr -d '\r'
