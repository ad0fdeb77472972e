# SPDX-License-Identifier: MIT
# Sourced by the shell tests: `need TOOL PACKAGE` ends the test with one line naming the missing
# tool and the Debian package that brings it (scripts/install-deps.sh installs them all).
need() {
  command -v "$1" >/dev/null 2>&1 && return 0
  echo "FAIL: $1 is not installed (Debian package $2; scripts/install-deps.sh installs it)" >&2
  exit 1
}
