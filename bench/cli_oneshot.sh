#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Processor time of one-shot mensurio-cli conversions, and a check that mensurio-cli links no Qt
# (the --table command runs mensurio-table instead). Also the cost of one --table run.
#
# Usage: bench/cli_oneshot.sh [BIN_DIR] [RUNS]      (defaults: build/bin, 200)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BIN_DIR="${1:-$ROOT/build/bin}"
RUNS="${2:-200}"
CLI="$BIN_DIR/mensurio-cli"

if ldd "$CLI" | grep -qi qt; then
    echo "mensurio-cli links Qt:"; ldd "$CLI" | grep -i qt; exit 1
fi
echo "mensurio-cli links no Qt"

command -v python3 >/dev/null || { echo "cli_oneshot: python3 is missing (Debian package python3-minimal)" >&2; exit 2; }

# Processor time (user + system) of the children, in milliseconds, for a command run RUNS times.
cpu_ms_per_run() {
    "$(command -v python3)" - "$RUNS" "$@" <<'PY'
import os, resource, subprocess, sys
runs = int(sys.argv[1]); cmd = sys.argv[2:]
for _ in range(runs):
    subprocess.run(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
u = resource.getrusage(resource.RUSAGE_CHILDREN)
print(f"{(u.ru_utime + u.ru_stime) * 1000 / runs:.2f}")
PY
}

echo "one-shot conversion (5 foot --to meter): $(cpu_ms_per_run "$CLI" 5 foot --to meter) ms processor time per run"
TMP="$(mktemp -d)"; trap 'rm -rf "$TMP"' EXIT
RUNS=5
echo "--table, Length, every row, 10 columns: $(cpu_ms_per_run "$CLI" --table "$TMP/t.pdf" -c Length --rows all \
    --columns meter,kilometer,centimeter,millimeter,inch,foot,yard,mile,nautical\ mile,angstrom) ms processor time per run"
