#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs tst_restartplacement on a private X server (Xvfb) with openbox drawing window frames:
# plain Xvfb draws none and would hide a window that moves by its frame at every restart.
# Usage: restart_placement_test.sh TEST-PROGRAM
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../../support/need.sh"
need Xvfb xvfb
need openbox openbox
need xprop x11-utils

program="$1"
scratch="$(mktemp -d)"
cleanup() {
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
  [ -n "${server:-}" ] && kill "$server" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

# A display number of our own: Xvfb writes it once it is listening.
exec 3>"$scratch/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
server=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || { echo "FAIL: Xvfb did not start"; cat "$scratch/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n1 "$scratch/display")"

# A window mapped before the manager has taken over the screen would get no frame at first.
# openbox now and then ends at once on a server that has only just started: it gets three tries.
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
for _ in 1 2 3; do
  HOME="$scratch" XDG_CONFIG_HOME="$scratch/config" openbox --sm-disable >>"$scratch/openbox.log" 2>&1 &
  wm=$!
  for _ in $(seq 100); do
    wm_ready && break
    kill -0 "$wm" 2>/dev/null || break
    sleep 0.1
  done
  wm_ready && break
done
wm_ready || { echo "FAIL: openbox did not take over the screen"; cat "$scratch/openbox.log"; exit 1; }

if ! MENSURIO_FRAMING_WM=openbox QT_QPA_PLATFORM=xcb "$program"; then
  echo "--- openbox:"; cat "$scratch/openbox.log"
  exit 1
fi
