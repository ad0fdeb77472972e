#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up on large units databases: the shipped categories followed by 10,000 and by 100,000
# generated categories of 10 units each (bench-generate-units), for the window and the CLI.
#
#   - window: bench-window-startup on a fresh copy of the folder for every run (so that every
#     run is a first start, with the data update), on the offscreen platform: the milliseconds
#     until the window's first paint has been done, and the processor time of the whole run;
#     once more with the category menu opened, which makes its items at its first opening;
#   - CLI: mensurio-cli without -c, so that it guesses the category among all of them, for a
#     unit pair of the shipped data, a pair of the last generated category and an expression.
#
# The median of RUNS runs is reported (wall clock and processor time; on a busy machine the
# processor time is the steadier figure).
#
# Usage: bench/scale.sh [BIN_DIR] [RUNS] [SIZES...]   (defaults: build/bin, 5, 10000 100000)
# Targets: the window within 1 s at 10,000 categories and within 10 s at 100,000; the CLI
# within 0.2 s at 10,000.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BIN_DIR="${1:-$ROOT/build/bin}"
RUNS="${2:-5}"
shift $(($# > 2 ? 2 : $#))
SIZES=("$@")
[ ${#SIZES[@]} -gt 0 ] || SIZES=(10000 100000)

for tool in bench-generate-units bench-window-startup mensurio-cli; do
  if [ ! -x "$BIN_DIR/$tool" ]; then
    echo "scale: $BIN_DIR/$tool is missing: build it first (cmake --build build --target $tool)" >&2
    exit 2
  fi
done
[ -f "$BIN_DIR/default.dat" ] || { echo "scale: no default.dat in $BIN_DIR" >&2; exit 2; }

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"

median() { sort -n | awk '{v[NR]=$1} END {if (NR == 0) print "n/a"; else if (NR % 2) print v[(NR+1)/2]; else print (v[NR/2]+v[NR/2+1])/2}'; }

# Runs a command once: prints "wall-ms cpu-ms" (processor time of the command and its children).
timed() {
  local times="$scratch/times" start end
  start=$(date +%s%N)
  /usr/bin/time -f '%U %S' -o "$times" "$@" >/dev/null 2>&1 || true
  end=$(date +%s%N)
  awk -v wall=$(((end - start) / 1000000)) '{printf "%d %d\n", wall, ($1 + $2) * 1000 + 0.5}' "$times"
}

# Prints one line: the label, median wall and processor milliseconds of RUNS runs of a command.
report() {
  local label="$1"; shift
  local walls=() cpus=() i wall cpu
  for ((i = 0; i < RUNS; ++i)); do
    read -r wall cpu < <(timed "$@")
    walls+=("$wall")
    cpus+=("$cpu")
  done
  printf '%-44s %10s %10s   all runs (ms): %s\n' "$label" "$(printf '%s\n' "${walls[@]}" | median)" \
    "$(printf '%s\n' "${cpus[@]}" | median)" "${walls[*]}"
}

# The window's own figure, milliseconds to its first paint as bench-window-startup reports it,
# and the processor time of the whole run, each run on a fresh copy of the folder.
window_runs() {
  local folder="$1" label="$2"; shift 2
  local painted=() cpus=() i
  for ((i = 0; i < RUNS; ++i)); do
    rm -rf "$scratch/run" && cp -r "$folder" "$scratch/run"
    /usr/bin/time -f '%U %S' -o "$scratch/times" "$BIN_DIR/bench-window-startup" "$scratch/run" "$@" \
      >"$scratch/out" 2>/dev/null || true
    painted+=("$(sed -n 's/.*first paint done \([0-9]*\) ms.*/\1/p' "$scratch/out")")
    cpus+=("$(awk '{printf "%d", ($1 + $2) * 1000 + 0.5}' "$scratch/times")")
  done
  printf '%-44s %10s %10s   all runs (ms): %s\n' "$label" "$(printf '%s\n' "${painted[@]}" | median)" \
    "$(printf '%s\n' "${cpus[@]}" | median)" "${painted[*]}"
}

menu_runs() {
  local folder="$1" times=() i line
  for ((i = 0; i < RUNS; ++i)); do
    rm -rf "$scratch/run" && cp -r "$folder" "$scratch/run"
    line="$("$BIN_DIR/bench-window-startup" "$scratch/run" --menu 2>/dev/null | sed -n 2p)"
    times+=("$(sed -n 's/.*painted in \([0-9]*\) ms.*/\1/p' <<<"$line")")
  done
  printf '%-44s %10s %10s   all runs (ms): %s\n' "  category menu, first opening" \
    "$(printf '%s\n' "${times[@]}" | median)" "" "${times[*]}"
}

echo "Start-up on large units databases, median of $RUNS runs ($(nproc) cores, load $(cut -d' ' -f1 /proc/loadavg))"
printf '%-44s %10s %10s\n' "" "wall (ms)" "cpu (ms)"
for size in "${SIZES[@]}"; do
  folder="$scratch/db$size"
  mkdir -p "$folder"
  cp "$BIN_DIR/default.dat" "$folder/"
  "$BIN_DIR/bench-generate-units" "$folder/units.dat" "$size" --from "$BIN_DIR/default.dat"
  last="g$size"
  echo "== $size generated categories + the shipped ones ($(du -h "$folder/units.dat" | cut -f1) units.dat)"
  window_runs "$folder" "  window: first paint (first start)"
  menu_runs "$folder"
  db=(--db "$folder/units.dat")
  report "  cli: 5 meter --to foot" "$BIN_DIR/mensurio-cli" "${db[@]}" 5 meter --to foot
  report "  cli: 5 '$last u3' --to '$last u5'" "$BIN_DIR/mensurio-cli" "${db[@]}" 5 "$last u3" --to "$last u5"
  report "  cli: '5 ft + 3 in' --to cm" "$BIN_DIR/mensurio-cli" "${db[@]}" "5 ft + 3 in" --to cm
  report "  cli: --list-categories" "$BIN_DIR/mensurio-cli" "${db[@]}" --list-categories
done
