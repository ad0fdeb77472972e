#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Time of mensurio-cli on the longest inputs it accepts (10,000 characters), without -c, so that
# the category is guessed: deep nesting, long flat sums, unit names of every category, and noise.
# Each input runs RUNS times; the median wall-clock time and the median processor time (user +
# system) are reported in milliseconds.
#
# Usage: bench/cli_long_input.sh [BIN_DIR] [RUNS]      (defaults: build/bin, 5)
# Target: every input ends within 500 ms.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BIN_DIR="${1:-$ROOT/build/bin}"
RUNS="${2:-5}"
CLI="$BIN_DIR/mensurio-cli"
DB="$BIN_DIR/default.dat"
PYTHON="$(command -v python3)" || { echo "cli_long_input: python3 is missing (Debian package python3-minimal)" >&2; exit 2; }

# One unit name of every category that reads unit names, joined into a sum up to the limit.
every_category_sum() {
    local names=()
    while IFS= read -r category; do
        case "$category" in Temperature|Numbers|Fractions) continue ;; esac
        names+=("$("$CLI" --db "$DB" --list-units "$category" | head -n 1)")
    done < <("$CLI" --db "$DB" --list-categories)
    printf '%s\n' "${names[@]}" | "$PYTHON" -c '
import sys
names = [n for n in sys.stdin.read().split("\n") if n]
terms, i = [], 0
while len(" + ".join(terms)) < 9900:
    terms.append("1 " + names[i % len(names)]); i += 1
print(" + ".join(terms)[:10000])'
}

declare -A INPUTS
INPUTS[nested_signs]="$("$PYTHON" -c "print('-('*3333 + '1' + ')'*3333)")"
INPUTS[nested_signs_meter]="$("$PYTHON" -c "print('-('*3330 + '1 meter' + ')'*3330)")"
INPUTS[nested_parentheses]="$("$PYTHON" -c "print('('*4999 + '1' + ')'*4999)")"
INPUTS[flat_sum_numbers]="$("$PYTHON" -c "print('+'.join(['1']*5000))")"
INPUTS[flat_sum_meters]="$("$PYTHON" -c "print('+'.join(['1 meter']*1250))")"
INPUTS[every_category]="$(every_category_sum)"
INPUTS[random_text]="$("$PYTHON" -c "
import random; random.seed(7)
print(''.join(random.choice('0123456789+-*/^()., eEmtrsk') for _ in range(10000)))")"

TIMES="$(mktemp)"
trap 'rm -f "$TIMES"' EXIT

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

printf '%-22s %6s %10s %10s %s\n' input chars wall_ms cpu_ms exit
worst=0
for name in $(printf '%s\n' "${!INPUTS[@]}" | sort); do
    text="${INPUTS[$name]}"
    walls=() cpus=() status=0
    for _ in $(seq "$RUNS"); do
        start=$(date +%s%N)
        /usr/bin/time -o "$TIMES" -f '%U %S' "$CLI" --db "$DB" -- "$text" >/dev/null 2>&1 || status=$?
        end=$(date +%s%N)
        cpu=$(tail -n 1 "$TIMES")
        walls+=($(( (end - start) / 1000000 )))
        cpus+=("$(echo "$cpu" | awk '{printf "%d", ($1 + $2) * 1000}')")
    done
    wall=$(printf '%s\n' "${walls[@]}" | median)
    cpu=$(printf '%s\n' "${cpus[@]}" | median)
    (( wall > worst )) && worst=$wall
    printf '%-22s %6d %10d %10d %s\n' "$name" "${#text}" "$wall" "$cpu" "$status"
done
echo "slowest median: ${worst} ms (target: under 500 ms)"
