#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# `make install` then `make uninstall` (scripts/install.sh, which both run) leaves the place as
# it was: files of other programs and folders that existed before stay, even empty ones; folders
# the install created go. The installed binaries are stripped.
#
# Usage: uninstall_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

BUILD="$(cd "$1" && pwd)"
SOURCE="$2"
. "$SOURCE/tests/support/need.sh"
need file file
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch" "$BUILD/install-records/${scratch//\//%}"*' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
snapshot() { (cd "$scratch" && find . -printf '%p %y %s %m\n' | sort && find . -type f -exec md5sum {} + | sort); }
run() { (cd "$SOURCE" && DESTDIR="$1" scripts/install.sh "$2" "$BUILD" "$3" >/dev/null); }

# Each case: the DESTDIR, the PREFIX, how many times to install, and the unrelated things the
# place holds beforehand (a path ending in / is an empty folder).
cases=(
  "|$scratch/a|1|bin/other share/man/man1/other.1 share/applications/ share/zsh/"
  "|$scratch/b|2|share/doc/other/copyright"
  "$scratch/stage|/usr/local|1|"
  "$scratch/root|/usr|1|usr/share/zsh/vendor-completions/_other"
)
for entry in "${cases[@]}"; do
  IFS='|' read -r destdir prefix times unrelated <<<"$entry"
  root="$destdir$prefix"
  for item in $unrelated; do
    mkdir -p "$(dirname "$root/$item")"
    case $item in */) mkdir -p "$root/$item" ;; *) echo "$item" >"$root/$item" ;; esac
  done
  before="$(snapshot)"

  for ((i = 0; i < times; i++)); do run "$destdir" install "$prefix"; done
  for program in mensurio mensurio-cli mensurio-table mensurio-fetch; do
    file -L "$root/bin/$program" | grep -q ', stripped' || fail "$root/bin/$program is not stripped"
  done
  [ "$before" != "$(snapshot)" ] || fail "install to $root installed nothing"

  run "$destdir" uninstall "$prefix"
  after="$(snapshot)"
  [ "$before" = "$after" ] ||
    fail "uninstall from $root left the place changed:$(diff <(echo "$before") <(echo "$after") || true)"
  if run "$destdir" uninstall "$prefix" 2>/dev/null; then fail "a second uninstall from $root did not refuse"; fi
done
echo "uninstall test passed"
