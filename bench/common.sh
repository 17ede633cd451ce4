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
