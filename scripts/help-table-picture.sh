#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the help page's picture of a printed conversion table: mensurio-cli writes the table as
# PDF and pdftoppm (poppler-utils) renders its first page.
# Usage: scripts/help-table-picture.sh [BIN_DIR]      (default: build/bin)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BIN_DIR="${1:-$ROOT/build/bin}"
TMP="$(mktemp -d)"; trap 'rm -rf "$TMP"' EXIT

"$BIN_DIR/mensurio-cli" --db "$BIN_DIR/default.dat" --table "$TMP/table.pdf" -c Time \
    --rows 'second,millisecond,minute,hour,day,week,fortnight,month (average),year (Gregorian),decade,century' \
    --columns 'second,minute,hour,day,week,month (average),year (Gregorian),decade'
pdftoppm -png -f 1 -l 1 -scale-to 640 "$TMP/table.pdf" "$TMP/page"
cp "$TMP"/page*.png "$ROOT/src/ui/resources/help/table.png"
echo "wrote src/ui/resources/help/table.png"
