#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Shell completion of mensurio-cli as a user gets it: the completion installed into a scratch
# prefix, loaded by a real interactive shell in a pseudo-terminal, keys typed into it. A key bound
# in that shell writes the command line after each Tab to a file, and the test reads the last
# word of that line back as the shell would.
#
# bash: every category name and a sample of unit names (spaces, parentheses, slashes, an
# apostrophe), each begun with backslashes, inside double quotes and inside single quotes.
# zsh: found where zsh looks, and completes a category holding a space.
# Both: an option name and an option's choice, made from the option table.
#
# Usage: completion_test.sh BUILD_DIR bash|zsh
set -euo pipefail

BUILD="$1" SHELL_UNDER_TEST="$2"
. "$(dirname "$0")/../support/need.sh"
need script bsdutils
need "$SHELL_UNDER_TEST" "$SHELL_UNDER_TEST"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$scratch/prefix"
cmake --install "$BUILD" --prefix "$prefix" >/dev/null
export PATH="$prefix/bin:$PATH" HOME="$scratch/home" XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config"
mkdir -p "$HOME"
cli=mensurio-cli

# Runs the shell in a pseudo-terminal and types $keys into it once it is ready; the lines the
# dump key wrote are left in $scratch/lines.
type_into_shell() {
  : >"$scratch/lines"
  { sleep 1; printf '%s' "$keys"; sleep 1; printf '\nexit\n'; } |
    timeout 120 script -qfec "$1" /dev/null >/dev/null ||
    fail "the $SHELL_UNDER_TEST session ended with status $?"
}

# The longest common prefix of the lines of $1.
common_prefix() {
  local first="" line
  while IFS= read -r line; do
    if [ -z "$first" ]; then first=$line; continue; fi
    while [[ $line != "$first"* ]]; do first=${first%?}; done
  done <<<"$1"
  printf '%s' "$first"
}

# $1 as typed in style $2: backslashes, an open double quote or an open single quote.
typed() {
  case $2 in
    backslash) printf '%q' "$1" ;;
    double) local s=${1//\\/\\\\}; s=${s//\"/\\\"}; s=${s//\$/\\\$}; printf '"%s' "${s//\`/\\\`}" ;;
    single) printf "'%s" "${1//\'/\'\\\'\'}" ;;
  esac
}

# $1 quoted whole in style $2.
quoted() {
  typed "$1" "$2"
  case $2 in double) printf '"' ;; single) printf "'" ;; esac
}

# What the user types of a name: up to the first character that needs quoting, and one more.
begun() {
  local name=$1 i
  for ((i = 0; i < ${#name}; i++)); do
    if [[ ${name:i:1} == [\ \(\)/] ]]; then printf '%s' "${name:0:i+2}"; return; fi
  done
  printf '%s' "${name:0:(${#name} + 1) / 2}"
}

bash_cases() {
  # One case a line: the words before, the word begun as typed, the same unquoted, and where the
  # names come from.
  local category unit style begun
  while IFS= read -r category; do
    for style in backslash double single; do
      begun="$(begun "$category")"
      echo "-c|$(typed "$begun" "$style")|$begun|categories"
    done
  done <"$scratch/categories"
  # Units of each category (named in the same style): every 15th name that needs quoting, and
  # every name with an apostrophe, begun before it and after it.
  local n=0
  while IFS= read -r category; do
    while IFS= read -r unit; do
      n=$((n + 1))
      local begins=()
      if [[ $unit == *\'* ]]; then
        begins=("${unit%%\'*}" "${unit%%\'*}'")
      elif [[ $unit == *[\ \(/]* && $((n % 15)) -eq 0 ]]; then
        begins=("$(begun "$unit")")
      fi
      for begun in "${begins[@]}"; do
        for style in backslash double single; do
          echo "-c $(quoted "$category" "$style") --to|$(typed "$begun" "$style")|$begun|units:$category"
        done
      done
    done < <($cli --list-units "$category")
  done <"$scratch/categories"
  # The examples users reported, the units without a category (any category's unit).
  for style in backslash double single; do
    echo "-c|$(typed 'Magnetic Fl' "$style")|Magnetic Fl|categories"
    echo "-c|$(typed 'Fuel E' "$style")|Fuel E|categories"
    echo "--to|$(typed 'pound/square i' "$style")|pound/square i|units:"
    echo "--to|$(typed 'gallon (' "$style")|gallon (|units:"
  done
  # Option names and an option's choices, which the script takes from the option table.
  echo "--all|--list-c|--list-c|words:--list-categories"
  echo "--direction|d|d|words:down-left"
  echo "--format|sc|sc|words:scientific"
}

names_for() {
  case $1 in
    categories) cat "$scratch/categories" ;;
    units:) while IFS= read -r c; do $cli --list-units "$c"; done <"$scratch/categories" ;;
    units:*) $cli --list-units "${1#units:}" ;;
    words:*) tr ' ' '\n' <<<"${1#words:}" ;;
  esac
}

check_bash() {
  cat >"$scratch/rc" <<RC
PS1='$ '
HISTFILE=/dev/null
bind 'set bell-style none'
. '$prefix/share/bash-completion/completions/mensurio-cli'
_dump() { printf '%s\n' "\$READLINE_LINE" >>'$scratch/lines'; READLINE_LINE=; READLINE_POINT=0; }
bind -x '"\C-x\C-p": _dump'
RC
  $cli --list-categories >"$scratch/categories"
  bash_cases >"$scratch/cases"
  keys=""
  local context word begun source
  while IFS='|' read -r context word begun source; do
    keys+="$cli $context $word"$'\t\030\020'
  done <"$scratch/cases"
  type_into_shell "bash --noprofile --rcfile $scratch/rc -i"

  local count failures=0 line matches expected got quote
  count=$(wc -l <"$scratch/cases")
  [ "$(wc -l <"$scratch/lines")" -eq "$count" ] || fail "$count completions typed, $(wc -l <"$scratch/lines") seen"
  exec 3<"$scratch/lines"
  while IFS='|' read -r context word begun source; do
    IFS= read -r line <&3
    matches="$(names_for "$source" | grep -F -- "$begun" | while IFS= read -r n; do
      [[ $n == "$begun"* ]] && printf '%s\n' "$n"; done | sort -u || true)"
    expected="$(common_prefix "$matches")"
    # With more than one name left the shell inserts what they share and leaves the quote open.
    quote=""
    if [ "$(wc -l <<<"$matches")" -gt 1 ]; then quote=${word:0:1}; [[ $quote == [\"\'] ]] || quote=""; fi
    got="$(eval "words=($line$quote)" 2>/dev/null && printf '%s' "${words[-1]}")" || got="(not a valid line: $line)"
    if [ "$got" != "$expected" ]; then
      echo "FAIL: typed '$cli $context $word<Tab>': expected '$expected', got '$got' (line: $line)" >&2
      failures=$((failures + 1))
    fi
  done <"$scratch/cases"
  [ "$failures" -eq 0 ] || fail "$failures of $count completions wrong"
  echo "bash completion: $count completions right"
}

check_zsh() {
  # The folder make install uses is the one zsh searches by default under /usr/local.
  zsh -f -c 'print -l $fpath' | grep -qxF /usr/local/share/zsh/site-functions ||
    fail "zsh does not search /usr/local/share/zsh/site-functions by default"
  local dir="$prefix/share/zsh/site-functions"
  [ -f "$dir/_mensurio-cli" ] || fail "no zsh completion in $dir"
  mkdir -p "$scratch/zdot"
  # The README's line for a prefix zsh does not search (such as ~/.local), then compinit.
  cat >"$scratch/zdot/.zshrc" <<RC
fpath+=('$dir')
autoload -Uz compinit && compinit -u -d '$scratch/zcompdump'
PS1='$ '
_dump() { print -r -- "\$BUFFER" >>'$scratch/lines'; BUFFER=; }
zle -N _dump
bindkey '^X^P' _dump
RC
  keys="$cli -c Fuel\\ E"$'\t\030\020'"$cli -c Magnetic\\ Flux\\ D"$'\t\030\020'"$cli --list-units Ti"$'\t\030\020'
  # An option name after the expression (where the expression may still begin, zsh lists first).
  keys+="$cli --paper v"$'\t\030\020'"$cli 1 foot --form"$'\t\030\020'
  ZDOTDIR="$scratch/zdot" type_into_shell "zsh -i"
  local expected=("Fuel Efficiency" "Magnetic Flux Density" "Time" "vertical" "--format") i=0 line
  [ "$(wc -l <"$scratch/lines")" -eq 5 ] || fail "5 completions typed, $(wc -l <"$scratch/lines") seen"
  while IFS= read -r line; do
    local got
    got="$(eval "words=($line)" && printf '%s' "${words[-1]}")"
    [ "$got" = "${expected[i]}" ] || fail "zsh completed '$line', expected '${expected[i]}'"
    i=$((i + 1))
  done <"$scratch/lines"
  echo "zsh completion: found and completed"
}

"check_$SHELL_UNDER_TEST"
