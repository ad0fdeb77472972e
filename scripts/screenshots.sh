#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the screenshots of the main window shown in the README.
#
# The built program runs under a virtual X server without a window manager, on a scratch copy of
# the shipped database and with a settings file written before each start, so nothing in the
# build folder changes. The settings file puts the window into a category and types a value
# through the conversion memory: the program needs no test hooks for this. Each category is
# taken at the window's design size and with the window filling the screen; without a window
# manager a maximised window keeps its normal size, so the bounds are the screen's instead.
#
# Two more show Length at the design size on a HiDPI screen (scale factor 2) and under a dark
# palette (Fusion with qt6ct's "darker" colour scheme, as a user of a dark desktop theme has it).
#
# Usage: scripts/screenshots.sh [BIN_DIR] [OUT_DIR]     (defaults: build/bin, docs/screenshots)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BIN_DIR="$(realpath "${1:-$ROOT/build/bin}")"
OUT_DIR="$(realpath -m "${2:-$ROOT/docs/screenshots}")"
SCREEN_WIDTH=1024
SCREEN_HEIGHT=768
XVFB_WIDTH=1600 # room for the window at scale factor 2
XVFB_HEIGHT=1200
DESIGN_WIDTH=561
DESIGN_HEIGHT=385

# ---- inside the virtual X server ---------------------------------------------------------------

# What each shot shows: settings of the "general" section, then the conversion memory of its
# category (input unit, output units as two-character codes of their positions among the
# category's units in default order, base 36, and the typed value).
shot_length() { # 5 foot in meter, every unit's result beside the output list, in database order
  printf 'AktualCate=Length\nsplit=1\nGeSoUnit=0\n\n'
  printf '[Length]\nlist1=foot\nlist2m=00\nhodnota=5\n'
}
shot_pressure() { # 1.5 atmospheres absolute in bar above the atmosphere
  printf 'AktualCate=Pressure\ncom1abs=1\ncom2abs=0\n\n'
  printf '[Pressure]\nlist1=atmosphere (atm)\nlist2m=0A\nhodnota=1.5\n'
}
shot_fractions() { # the category whose input list gives way to a hint
  printf 'AktualCate=Fractions\n\n'
  printf '[Fractions]\nlist1=\nlist2m=00\nhodnota=3/8\n'
}

# Writes the settings file for one start: no tip of the day, the window bounds, then the shot's.
write_settings() {
  local shot="$1" width="$2" height="$3"
  {
    printf '[general]\ntipbox=0\nmaximized=0\nsave=1\nleft=0\ntop=0\nwidth=%s\nheight=%s\n' "$width" "$height"
    "$shot"
  } >"$scratch/mensurio.ini"
}

# Waits until the main window is mapped and prints its id; fails after ten seconds.
window_id() {
  local i id
  for ((i = 0; i < 100; ++i)); do
    id="$(xwininfo -root -children 2>/dev/null | awk '/"Mensurio": \("/ {print $1; exit}')"
    if [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# One screenshot: start the program, let it paint, capture its window, end it.
shoot() {
  local file="$1"; shift
  write_settings "$@"
  env "${SHOT_ENV[@]}" "$scratch/mensurio" >"$scratch/program.log" 2>&1 &
  local pid=$! id
  if ! id="$(window_id)"; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "The main window did not appear for $file:" >&2
    cat "$scratch/program.log" >&2
    return 1
  fi
  sleep 1.5 # the first paint and the conversion of the remembered value
  import -window "$id" "png:$OUT_DIR/$file"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$OUT_DIR/$file: $(identify -format '%w x %h' "$OUT_DIR/$file")"
}

inner() {
  scratch="$(mktemp -d)"
  trap 'rm -rf "$scratch"' EXIT
  cp "$BIN_DIR/mensurio" "$scratch/"
  cp "$BIN_DIR/default.dat" "$scratch/"
  cp "$BIN_DIR/default.dat" "$scratch/units.dat"
  mkdir -p "$scratch/home" "$OUT_DIR"
  export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" LC_ALL=C.UTF-8

  local design=("$DESIGN_WIDTH" "$DESIGN_HEIGHT") full=("$SCREEN_WIDTH" "$SCREEN_HEIGHT")
  local name
  SHOT_ENV=()
  for name in length pressure fractions; do
    shoot "$name.png" "shot_$name" "${design[@]}"
    shoot "$name-full.png" "shot_$name" "${full[@]}"
  done

  SHOT_ENV=(QT_SCALE_FACTOR=2)
  shoot "length-scale2.png" shot_length "${design[@]}"

  mkdir -p "$XDG_CONFIG_HOME/qt6ct"
  printf '[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\nstyle=Fusion\n' \
    >"$XDG_CONFIG_HOME/qt6ct/qt6ct.conf"
  SHOT_ENV=(QT_QPA_PLATFORMTHEME=qt6ct)
  shoot "length-dark.png" shot_length "${design[@]}"
  shoot "pressure-dark.png" shot_pressure "${design[@]}"
}

# ---- outside: prerequisites, then the same script inside xvfb-run -------------------------------

if [ "${MENSURIO_SCREENSHOTS_INNER:-}" = 1 ]; then
  inner
  exit 0
fi

if [ ! -x "$BIN_DIR/mensurio" ] || [ ! -f "$BIN_DIR/default.dat" ]; then
  echo "No mensurio with default.dat in $BIN_DIR: build the program first (make run)." >&2
  exit 2
fi
"$ROOT/scripts/install-deps.sh"
# The capture tools are needed only here, never to build or run Mensurio.
tools=()
command -v import >/dev/null && command -v identify >/dev/null || tools+=(imagemagick)
command -v xwininfo >/dev/null || tools+=(x11-utils)
[ -e /usr/share/qt6ct/colors/darker.conf ] || tools+=(qt6ct)
if [ ${#tools[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${tools[@]}" >/dev/null
fi

export MENSURIO_SCREENSHOTS_INNER=1 BIN_DIR OUT_DIR
unset QT_QPA_PLATFORM
exec xvfb-run -a -s "-screen 0 ${XVFB_WIDTH}x${XVFB_HEIGHT}x24" "${BASH_SOURCE[0]}" "$BIN_DIR" "$OUT_DIR"
