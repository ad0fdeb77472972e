#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the built program into a scratch prefix and runs it from there as an installed
# program: the metadata files validate, the user's files land in scratch XDG folders, and
# nothing in the prefix changes (checked by content, since root may write anywhere).
#
# Usage: install_test.sh BUILD_DIR
set -euo pipefail

BUILD="$1"
. "$(dirname "$0")/../support/need.sh"
need desktop-file-validate desktop-file-utils
need appstreamcli appstream
need mandoc mandoc
need groff groff-base
scratch="$(mktemp -d)"
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
prefix="$scratch/prefix"
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$BUILD" --prefix "$prefix" >/dev/null

# ---- what item is where ------------------------------------------------------------------------
for f in bin/mensurio bin/mensurio-cli bin/mensurio-table bin/mensurio-fetch share/mensurio/default.dat share/mensurio/help/index.html \
  share/applications/org.mensurio.Mensurio.desktop share/metainfo/org.mensurio.Mensurio.metainfo.xml \
  share/icons/hicolor/scalable/apps/org.mensurio.Mensurio.svg \
  share/icons/hicolor/48x48/apps/org.mensurio.Mensurio.png \
  share/icons/hicolor/256x256/apps/org.mensurio.Mensurio.png \
  share/man/man1/mensurio.1.gz share/man/man1/mensurio-cli.1.gz share/man/man1/mensurio-table.1.gz share/man/man1/mensurio-fetch.1.gz \
  share/doc/mensurio/copyright \
  share/bash-completion/completions/mensurio-cli share/zsh/site-functions/_mensurio-cli; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done

# ---- metadata validates ------------------------------------------------------------------------
desktop-file-validate "$prefix/share/applications/org.mensurio.Mensurio.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.mensurio.Mensurio.metainfo.xml" >/dev/null ||
  fail "appstreamcli validate"
for page in "$prefix"/share/man/man1/*.1.gz; do
  lint="$(mandoc -T lint -W style "$page" 2>&1 || true)"
  [ -z "$lint" ] || fail "mandoc: $lint"
  warnings="$(gzip -dc "$page" | groff -ww -man -z 2>&1)"
  [ -z "$warnings" ] || fail "groff: $warnings"
done

# ---- --help and --version answer at once, touching no window system ---------------------------
# With the X11 platform forced and no display, anything that started Qt would fail or wait.
for option in --help -h --version; do
  out="$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb timeout 1 "$prefix/bin/mensurio" "$option" \
    2>"$scratch/stderr")" || fail "mensurio $option ended with status $?"
  [ ! -s "$scratch/stderr" ] || fail "mensurio $option wrote to standard error: $(cat "$scratch/stderr")"
  case $option in
    --version) expected="mensurio [0-9]*.[0-9]*.[0-9]*" ;;
    *) expected="Usage: mensurio *" ;;
  esac
  # shellcheck disable=SC2053 # a pattern on purpose
  [[ $out == $expected ]] || fail "mensurio $option printed: $out"
done

# ---- run from the read-only prefix with scratch XDG folders ----------------------------------
snapshot() { (cd "$prefix" && find . -printf '%p %s %m\n' | sort && find . -type f -exec md5sum {} + | sort); }
before="$(snapshot)"
chmod -R a-w "$prefix"
export XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config" HOME="$scratch/home"
mkdir -p "$HOME"

result="$("$prefix/bin/mensurio-cli" '5 foot + 3 inch' --to meter)"
[ "$result" = "1.6002" ] || fail "installed CLI printed '$result'"
[ ! -e "$XDG_DATA_HOME/mensurio" ] || fail "the CLI wrote the user's folder"
"$prefix/bin/mensurio-cli" --table "$scratch/length.pdf" -c Length --rows meter,foot --columns inch,yard ||
  fail "the installed CLI wrote no table"
[ -s "$scratch/length.pdf" ] || fail "the table PDF is empty"

# The window's first start copies default.dat for the user; SIGTERM ends it as Exit does.
QT_QPA_PLATFORM=offscreen "$prefix/bin/mensurio" >/dev/null 2>&1 &
pid=$!
for _ in $(seq 100); do
  [ -s "$XDG_DATA_HOME/mensurio/units.dat" ] && break
  sleep 0.1
done
sleep 0.5
kill -TERM "$pid"
wait "$pid" || fail "the window ended with status $? on SIGTERM"
[ "$("$prefix/bin/mensurio-cli" --db "$XDG_DATA_HOME/mensurio/units.dat" --list-categories)" = \
  "$("$prefix/bin/mensurio-cli" --db "$prefix/share/mensurio/default.dat" --list-categories)" ] ||
  fail "the user's units.dat is not the shipped database"
grep -q '^\[general\]' "$XDG_CONFIG_HOME/mensurio/mensurio.ini" || fail "no settings file in XDG_CONFIG_HOME"

chmod -R u+w "$prefix"
[ "$before" = "$(snapshot)" ] || fail "the prefix changed"
echo "install test passed"
