# Sourced by the benchmark scripts that read a Wine program's Unix process.

# The Unix process of this prefix whose program (its first argument) holds
# the text. Only the first argument: a grep for the text holds it too.
unix_pid() {
  local dir program
  for dir in /proc/[0-9]*; do
    IFS= read -r -d '' program 2>/dev/null <"$dir/cmdline" || continue
    [[ $program == *"$1"* ]] || continue
    tr '\0' '\n' 2>/dev/null <"$dir/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX" && echo "${dir#/proc/}" && return
  done
  echo "no process of this prefix runs $1" >&2
  return 1
}

# User plus kernel time of a process, all its threads, in clock ticks.
cpu_ticks() {
  local stat fields
  stat=$(<"/proc/$1/stat")
  read -ra fields <<<"${stat##*) }"  # from the third field on: utime and stime are the 14th and 15th
  echo $((fields[11] + fields[12]))
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Builds the targets for Windows, optimised, in build/bench-<name> (set as
# $build), then starts a Wine session in a prefix of their own, so that no
# other run's server is ended from here.
start_release_bench_session() {
  local name=$1
  shift
  build=build/bench-$name
  cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" -j2 --target "$@"
  start_wine_session "$PWD/build/wine-bench-$name"
}
