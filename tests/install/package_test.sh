#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Debian package `make deb` builds is one a distribution would accept: lintian finds no error
# and no warning (the overrides in packaging/debian give their reasons), and the files that only
# the package places differently are where Debian looks for them.
#
# Usage: package_test.sh BUILD_DIR
set -euo pipefail

BUILD="$(cd "$1" && pwd)"
. "$(dirname "$0")/../support/need.sh"
need lintian lintian
need dpkg-shlibdeps dpkg-dev
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$scratch" && cpack --config "$BUILD/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1) ||
  fail "cpack: $(cat "$scratch/cpack.log")"
deb="$(echo "$scratch"/mensurio_*.deb)"
[ -f "$deb" ] || fail "no package built"

status=0
report="$(lintian --fail-on error,warning "$deb" 2>&1)" || status=$?
report="$(grep -v 'running with root privileges' <<<"$report" || true)"
[ "$status" -eq 0 ] || fail "lintian: $report"
[ -z "$report" ] || echo "$report" # anything below the warning level, for information

listing="$(dpkg-deb -c "$deb" | awk '{ print $6 }')"
for f in ./usr/share/doc/mensurio/copyright ./usr/share/doc/mensurio/changelog.Debian.gz \
  ./usr/share/lintian/overrides/mensurio ./usr/share/zsh/vendor-completions/_mensurio-cli \
  ./usr/share/bash-completion/completions/mensurio-cli ./usr/share/man/man1/mensurio-table.1.gz; do
  grep -qxF -- "$f" <<<"$listing" || fail "not in the package: $f"
done
echo "package test passed"
