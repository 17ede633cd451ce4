#!/usr/bin/env bash
# Builds tastrel.exe, the stand-in and the keypad benchmarks for Windows in a
# build folder of their own, then under Wine, on a private display, prints the
# CPU time of Tastrel's two 50 ms timers beside a minimal follower, and the
# keypad's press-to-key latency. Arguments: seconds a round (default 10),
# rounds (default 5), presses (default 200).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
source bench/common.sh
ensure_packages "${TASTREL_PACKAGES[@]}"
seconds=${1:-10} rounds=${2:-5} presses=${3:-200}

build=build/bench-keypad
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target keypad_cpu keypad_latency

# A prefix of its own, so no other run's server is ended from here.
start_wine_session "$PWD/build/wine-bench-keypad"

# User plus kernel time of a process, all its threads, in clock ticks.
cpu_ticks() {
  local stat fields
  stat=$(<"/proc/$1/stat")
  read -ra fields <<<"${stat##*) }"  # from the third field on: utime and stime are the 14th and 15th
  echo $((fields[11] + fields[12]))
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# One round: its length in ms, then each pid's CPU ticks before it and after it.
cpu_round() {
  local before=() after=() pid start
  for pid in "$@"; do before+=("$(cpu_ticks "$pid")"); done
  start=$(now_ms)
  sleep "$seconds"
  for pid in "$@"; do after+=("$(cpu_ticks "$pid")"); done
  echo "$(($(now_ms) - start))" "${before[@]}" "${after[@]}"
}

# Tastrel and the minimal follower side by side over the same rounds.
measure_cpu() {
  local out="$build/bench/keypad-cpu.out" bench tick_ms=$((1000 / $(getconf CLK_TCK)))
  wine "$build/bench/keypad_cpu.exe" $((seconds * rounds + 2)) >"$out" 2>/dev/null &
  bench=$!
  until grep -q '^ready' "$out"; do
    kill -0 "$bench" 2>/dev/null || { tr -d '\r' <"$out"; return 1; }
    sleep 0.1
  done
  local pids=() program
  for program in 'keypad-cpu\tastrel.exe' minimal_follower.exe wineserver; do
    pids+=("$(unix_pid "$program")") || return 1
  done
  for _ in $(seq "$rounds"); do cpu_round "${pids[@]}"; done |
    awk -v tick_ms="$tick_ms" -v seconds="$seconds" '
      function row(name, ms, t, m, w) {
        printf "%-7s %8d %9.1f %9.1f %11.1f %7.2f\n", name, ms, 1000 * t / ms, 1000 * m / ms, 1000 * w / ms,
               (m > 0 ? t / m : 0)
      }
      BEGIN {
        printf "CPU time in ms a second (user + kernel), both processes side by side in rounds of %d s;\n", seconds
        printf "ratio = Tastrel / minimal; the wineserver serves both\n"
        printf "%-7s %8s %9s %9s %11s %7s\n", "round", "ms", "Tastrel", "minimal", "wineserver", "ratio"
      }
      {
        t = ($5 - $2) * tick_ms; m = ($6 - $3) * tick_ms; w = ($7 - $4) * tick_ms
        row(NR, $1, t, m, w); all_ms += $1; all_t += t; all_m += m; all_w += w
      }
      END { row("all", all_ms, all_t, all_m, all_w) }'
  echo "from utime + stime in /proc/<pid>/stat of each Unix process (all its threads), in $tick_ms ms ticks;"
  echo "under Wine 8 GetProcessTimes on another process's handle answers with the caller's own times"
  wait "$bench"
  grep -v '^ready' "$out" | tr -d '\r'
}

measure_cpu
echo
wine "$build/bench/keypad_latency.exe" "$presses" | tr -d '\r'
