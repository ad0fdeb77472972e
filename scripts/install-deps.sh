#!/usr/bin/env bash
# Installs the Debian packages Mensurio needs to build, test and run: what `make run`,
# `make test`, `make test-sanitize`, `make deb` and the scripts in scripts/ use.
# Quiet when everything is already present. With the argument "fuzz", also what the
# libFuzzer targets need: clang and its runtime libraries (libFuzzer, the sanitizers); with
# "format", clang-format for `make format` and `make format-check`.
set -euo pipefail

packages=(
  g++ make cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core
  xvfb xauth             # scripts/screenshots.sh, bench/startup.sh
  openbox x11-utils      # a window manager that draws frames, xprop: tests/ui/restart_placement_test.sh
  desktop-file-utils     # desktop-file-validate: tests/install, tests/core/platform
  libglib2.0-bin         # gio launch: tests/core/platform (autostart entries started as a session does)
  poppler-utils          # pdftotext, pdfinfo: the table tests; pdftoppm: scripts/help-table-picture.sh
  appstream              # appstreamcli: tests/install
  mandoc groff-base      # manual page checks: tests/install
  bash zsh bsdutils      # completion tests (script gives them a terminal)
  file                   # uninstall test: installed binaries are stripped
  util-linux             # setpriv: tests about file permissions run as an ordinary user under root
  dpkg-dev lintian       # dpkg-shlibdeps: make deb; lintian: the package test
)
case "${1:-}" in
  fuzz) packages+=(clang libclang-rt-14-dev) ;;
  format) packages+=(clang-format git) ;;  # make format, make format-check
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
