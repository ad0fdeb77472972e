#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# `make install` and `make uninstall`: installs the build under PREFIX (DESTDIR honoured) with
# stripped binaries, and keeps a record of what it put there, so that uninstalling removes
# exactly those files and the folders the install created, and nothing else.
#
# Usage: install.sh install|uninstall BUILD_DIR PREFIX
set -euo pipefail

action=$1 build=$2 prefix=$3
case $prefix in /*) ;; *) echo "install.sh: PREFIX must be an absolute path: $prefix" >&2; exit 2 ;; esac
root="${DESTDIR:-}$prefix"
root="${root%/}"
# One record per place installed to, so that installs to several prefixes can each be undone.
records="$(cd "$build" && pwd)/install-records"
record="$records/${root//\//%}.txt"

install() {
  # Folders that exist before: the install creates the others, and only those are removed.
  local existing created=() dir
  existing="$(find "$root" -type d 2>/dev/null | sort || true)"
  dir="$root"
  while [ ! -d "$dir" ]; do
    created+=("$dir")
    dir="$(dirname "$dir")"
  done
  cmake --install "$build" --prefix "$prefix" --strip
  # The manifest names the files without DESTDIR.
  local files line
  files="$(cat "$build/install_manifest.txt"; echo)" # its last line has no newline
  files="$(while IFS= read -r line; do [ -z "$line" ] || printf '%s\n' "${DESTDIR:-}$line"; done <<<"$files" | sort -u)"
  # Every folder between a new file and the root that did not exist before.
  local file
  while IFS= read -r file; do
    dir="$(dirname "$file")"
    while [ "${#dir}" -gt "${#root}" ]; do
      grep -qxF -- "$dir" <<<"$existing" || created+=("$dir")
      dir="$(dirname "$dir")"
    done
  done <<<"$files"
  mkdir -p "$records"
  {
    [ -f "$record" ] && cat "$record" # a second install adds to the first one's record
    sed 's/^/f /' <<<"$files"
    for dir in "${created[@]}"; do echo "d $dir"; done
  } | sort -u >"$record.new"
  mv "$record.new" "$record"
}

uninstall() {
  if [ ! -f "$record" ]; then
    echo "install.sh: nothing to uninstall: make install has not installed to $root from $build" >&2
    exit 1
  fi
  local kind path
  while read -r kind path; do
    [ "$kind" = f ] || continue
    case $path in "$root"/*) ;; *) continue ;; esac # never anything outside the root
    if [ -f "$path" ] || [ -L "$path" ]; then rm -f -- "$path"; fi
  done <"$record"
  # Deepest first; a folder that holds anything else stays.
  grep '^d ' "$record" | cut -c3- | awk '{ print length, $0 }' | sort -rn | cut -d' ' -f2- |
    while IFS= read -r path; do
      rmdir -- "$path" 2>/dev/null || true
    done
  rm -f -- "$record"
  echo "Uninstalled Mensurio from $root"
}

case $action in
  install) install ;;
  uninstall) uninstall ;;
  *) echo "usage: install.sh install|uninstall BUILD_DIR PREFIX" >&2; exit 2 ;;
esac
