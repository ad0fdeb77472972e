#!/usr/bin/env bash
# Checks that every C++ source file of the project is formatted with the project's .clang-format.
# Lists the files that differ and fails; `make format` rewrites them.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "check-format: clang-format is missing (Debian package clang-format; scripts/install-deps.sh format installs it)" >&2; exit 1; }
mapfile -t files < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' 'tools/*.h' \
    'bench/*.cpp' 'bench/*.h' 'fuzz/*.cpp' 'fuzz/*.h')
status=0
clang-format --dry-run --Werror "${files[@]}" 2>/tmp/check-format.$$ || status=$?
if [ $status -ne 0 ]; then
  grep -oE '^[^:]+\.(cpp|h):' /tmp/check-format.$$ | sort -u | sed 's/:$//; s/^/not formatted: /' >&2
  echo "check-format: $(grep -oE '^[^:]+\.(cpp|h):' /tmp/check-format.$$ | sort -u | wc -l) file(s) differ from .clang-format; run 'make format'" >&2
fi
rm -f /tmp/check-format.$$
exit $status
