#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up benchmark of the desktop program, side by side with ConvertAll and SpeedCrunch.
#
# Each program is started several times under one virtual X server. A run measures
#   - the time from just before the process is started until its main window is mapped
#     (the X server's MapNotify, read by a small watcher through libX11), and
#   - the processor time (user + system) the process used until it was ended, which depends
#     far less on other load of the machine than the wall-clock time, and
#   - the peak memory of the process (maximum resident set size, from /usr/bin/time),
#     taken half a second after the window appeared, so that the first paint is included.
# The median of the runs is reported. Mensurio runs on a private copy of the shipped database
# (build/bin by default), so every run is a first run and nothing of the build is changed.
#
# Usage: bench/startup.sh [BIN_DIR] [RUNS]      (defaults: build/bin, 7)
# Targets for Mensurio: under 100 ms to the mapped window and under 60 MB peak memory.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BIN_DIR="${1:-$ROOT/build/bin}"
RUNS="${2:-7}"
WATCH_TIMEOUT=30
PYTHON="$(command -v /usr/bin/python3 || command -v python3)" || { echo "startup: python3 is missing (Debian package python3-minimal)" >&2; exit 2; }

# ---- inside the virtual X server ---------------------------------------------------------------

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# The map watcher: waits for the first top-level window named exactly as its argument to be mapped and prints the wall-clock
# time of that moment in milliseconds. It prints "ready" once it listens, so that the program
# is started only afterwards. It reads the X events (MapNotify on the root window's children)
# instead of polling, so it takes no processor time from the program being measured.
WATCHER_PY='
import ctypes, sys, time
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XDefaultRootWindow.restype = ctypes.c_ulong
x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
x.XFlush.argtypes = [ctypes.c_void_p]
x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
x.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_char_p)]
display = x.XOpenDisplay(None)
if not display:
    sys.exit(1)
x.XSelectInput(display, x.XDefaultRootWindow(display), 1 << 19)  # SubstructureNotifyMask
x.XFlush(display)
print("ready", flush=True)
event = (ctypes.c_ulong * 24)()
wanted = sys.argv[1].encode()
while True:
    x.XNextEvent(display, event)
    if event[0] & 0xFFFFFFFF != 19:  # MapNotify; event[5] is the mapped window
        continue
    moment = time.time_ns() // 1000000
    name = ctypes.c_char_p()
    if x.XFetchName(display, event[5], ctypes.byref(name)) and name.value == wanted:
        print(moment, flush=True)
        break
'

# One run: prints "milliseconds kilobytes cpu-milliseconds", or "fail" when the window never
# appeared.
run_once() {
  local name="$1"; shift
  local workdir="$1"; shift
  local rss_file watch_file
  rss_file="$(mktemp)"
  watch_file="$(mktemp)"
  timeout "$WATCH_TIMEOUT" "$PYTHON" -c "$WATCHER_PY" "$name" >"$watch_file" 2>/dev/null &
  local watch_pid=$!
  until grep -q ready "$watch_file" 2>/dev/null; do
    kill -0 "$watch_pid" 2>/dev/null || break
    sleep 0.01
  done
  local start
  start="$(now_ms)"
  ( cd "$workdir" && exec /usr/bin/time -f '%M %U %S' -o "$rss_file" "$@" ) >/dev/null 2>&1 &
  local time_pid=$!
  wait "$watch_pid" 2>/dev/null || true
  local mapped elapsed=fail
  mapped="$(sed -n 2p "$watch_file")"
  [[ "$mapped" =~ ^[0-9]+$ ]] && elapsed=$(( mapped - start ))
  sleep 0.5
  # End the measured program (the child of /usr/bin/time), then let time report its peak.
  local child
  for child in $(pgrep -P "$time_pid" || true); do kill "$child" 2>/dev/null || true; done
  wait "$time_pid" 2>/dev/null || true
  local kb cpu
  read -r kb cpu < <(tail -n 1 "$rss_file" 2>/dev/null | awk '{printf "%s %d", $1, ($2 + $3) * 1000 + 0.5}') || true
  rm -f "$rss_file" "$watch_file"
  if [ "$elapsed" = fail ] || ! [[ "${kb:-}" =~ ^[0-9]+$ ]]; then
    echo fail
  else
    echo "$elapsed $kb $cpu"
  fi
}

median() { sort -n | awk '{v[NR]=$1} END {if (NR == 0) print "n/a"; else if (NR % 2) print v[(NR+1)/2]; else print (v[NR/2]+v[NR/2+1])/2}'; }

# Runs one program RUNS times after one warm-up run and prints its line of the table.
measure() {
  local label="$1" name="$2" workdir="$3"; shift 3
  local times=() kbs=() cpus=() result failures=0 i
  run_once "$name" "$workdir" "$@" >/dev/null # warm the disk cache
  for ((i = 0; i < RUNS; ++i)); do
    result="$(run_once "$name" "$workdir" "$@")"
    if [ "$result" = fail ]; then
      failures=$((failures + 1))
      continue
    fi
    local t_ms kb cpu_ms
    read -r t_ms kb cpu_ms <<<"$result"
    times+=("$t_ms")
    kbs+=("$kb")
    cpus+=("$cpu_ms")
  done
  local t m c
  t="$(printf '%s\n' "${times[@]:-}" | grep . | median || true)"
  c="$(printf '%s\n' "${cpus[@]:-}" | grep . | median || true)"
  m="$(printf '%s\n' "${kbs[@]:-}" | grep . | median || true)"
  [ "$m" != n/a ] && m="$(awk -v k="$m" 'BEGIN {printf "%.1f", k / 1024}')"
  printf '%-12s %10s %12s %10s %6s %7s   all runs (ms): %s\n' "$label" "$t" "$m" "$c" "${#times[@]}" "$failures" "${times[*]:-}"
}

inner() {
  scratch="$(mktemp -d)"
  trap 'rm -rf "$scratch"' EXIT
  cp "$BIN_DIR/mensurio" "$scratch/"
  cp "$BIN_DIR/default.dat" "$scratch/"
  cp "$BIN_DIR/units.dat" "$scratch/" 2>/dev/null || cp "$BIN_DIR/default.dat" "$scratch/units.dat"
  # A fresh settings file for each run: remove what a previous run may have left.
  local fresh="$scratch/fresh.sh"
  printf '#!/bin/sh\nrm -f "%s/mensurio.ini"\nexec "%s/mensurio"\n' "$scratch" "$scratch" >"$fresh"
  chmod +x "$fresh"
  mkdir -p "$scratch/home"
  export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config"

  echo "Start-up to mapped window, processor time and peak memory, median of $RUNS runs (Xvfb, $(nproc) cores)"
  printf '%-12s %10s %12s %10s %6s %7s\n' program "time (ms)" "peak (MB)" "cpu (ms)" runs failed
  measure Mensurio Mensurio "$scratch" "$fresh"
  measure ConvertAll ConvertAll "$scratch/home" convertall
  measure SpeedCrunch SpeedCrunch "$scratch/home" speedcrunch
}

# ---- outside: prerequisites, then the same script inside xvfb-run -------------------------------

if [ "${MENSURIO_BENCH_INNER:-}" = 1 ]; then
  inner
  exit 0
fi

if [ ! -x "$BIN_DIR/mensurio" ] || [ ! -f "$BIN_DIR/default.dat" ]; then
  echo "No mensurio with default.dat in $BIN_DIR: build the program first (make run)." >&2
  exit 2
fi
"$ROOT/scripts/install-deps.sh"
# The two programs compared with are needed only here, never to build or run Mensurio.
comparison=()
for p in convertall speedcrunch; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || comparison+=("$p")
done
if [ ${#comparison[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${comparison[@]}" >/dev/null
fi

export MENSURIO_BENCH_INNER=1 BIN_DIR RUNS
unset QT_QPA_PLATFORM
exec xvfb-run -a -s "-screen 0 1280x1024x24" "${BASH_SOURCE[0]}" "$BIN_DIR" "$RUNS"
