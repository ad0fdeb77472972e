# SPDX-License-Identifier: MIT
# bash completion for mensurio-cli: options, category names after -c/--category/--list-units,
# unit names after --to and for the positional unit (of the category given with -c, else of all
# categories). Names come from the database the command would read (--db is honoured).
#
# Names hold spaces, parentheses, slashes and apostrophes, and the user may type them with
# backslashes or inside quotes. COMP_WORDS holds the words as typed, so each word is read the
# way the shell will read it, and each completion is quoted the way the word was begun: readline
# replaces an unquoted word whole, but of a word with an open quote only the part after the quote
# (and closes the quote itself when one name is left).

# Reads $1 as the shell would. Sets _mensurio_cli_text to its text, _mensurio_cli_quote to the
# quote still open at its end (empty, ' or "), and _mensurio_cli_opened to the number of
# characters of the text that come before that quote.
_mensurio_cli_dequote() {
    local word=$1 text="" quote="" opened=0 i c
    for ((i = 0; i < ${#word}; i++)); do
        c=${word:i:1}
        if [[ $quote == "'" ]]; then
            if [[ $c == "'" ]]; then quote=""; else text+=$c; fi
        elif [[ $quote == '"' ]]; then
            if [[ $c == '"' ]]; then
                quote=""
            elif [[ $c == '\' && ${word:i+1:1} == [\$\`\"\\] ]]; then
                text+=${word:i+1:1}
                ((i++))
            else
                text+=$c
            fi
        elif [[ $c == '\' ]]; then
            text+=${word:i+1:1}
            ((i++))
        elif [[ $c == [\"\'] ]]; then
            quote=$c
            opened=${#text}
        else
            text+=$c
        fi
    done
    _mensurio_cli_text=$text
    _mensurio_cli_quote=$quote
    _mensurio_cli_opened=$opened
}

# The text of the word after the last occurrence of one of the given options before the current
# word (empty when there is none).
_mensurio_cli_option_value() {
    local i value=""
    for ((i = 1; i < COMP_CWORD - 1; i++)); do
        local option
        for option in "$@"; do
            if [[ ${COMP_WORDS[i]} == "$option" ]]; then
                _mensurio_cli_dequote "${COMP_WORDS[i + 1]}"
                value=$_mensurio_cli_text
            fi
        done
    done
    printf '%s' "$value"
}

_mensurio_cli_names() {
    # $@: --list-categories or --list-units CATEGORY; prints one name per line.
    local db
    db=$(_mensurio_cli_option_value --db)
    if [[ $db == "~/"* ]]; then
        db=$HOME/${db#"~/"}
    fi
    "${COMP_WORDS[0]}" ${db:+--db "$db"} "$@" 2>/dev/null
}

_mensurio_cli_units() {
    local category
    category=$(_mensurio_cli_option_value -c --category)
    if [[ -n $category ]]; then
        _mensurio_cli_names --list-units "$category"
    else
        local c
        while IFS= read -r c; do
            _mensurio_cli_names --list-units "$c"
        done < <(_mensurio_cli_names --list-categories)
    fi
}

# Completes the current word from newline-separated names.
_mensurio_cli_complete_lines() {
    local names=$2 name rest reply
    _mensurio_cli_dequote "$1"
    COMPREPLY=()
    while IFS= read -r name; do
        [[ -n $name && $name == "$_mensurio_cli_text"* ]] || continue
        rest=${name:_mensurio_cli_opened}
        case $_mensurio_cli_quote in
            "'") reply=${rest//"'"/"'\\''"} ;;
            '"')
                reply=${rest//\\/\\\\}
                reply=${reply//\$/\\\$}
                reply=${reply//\`/\\\`}
                reply=${reply//\"/\\\"}
                ;;
            *) printf -v reply '%q' "$name" ;;
        esac
        COMPREPLY+=("$reply")
    done <<<"$names"
}

_mensurio_cli_words() {
    # $1: the current word, $2: the words to offer (no quoting needed).
    local IFS=$' \t\n'
    COMPREPLY=($(compgen -W "$2" -- "$1"))
}

_mensurio_cli() {
    local cur prev
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD - 1]}
    local options="--db -c --category --to --all --batch --format --places --style --input-gauge
        --output-gauge --list-categories --list-units --find --anywhere --table --rows --columns
        --direction --table-format --paper --export-handheld --export-number --help --version"

    case $prev in
        --db | --table | --export-handheld)
            # bash quotes file names itself once told they are file names.
            compopt -o filenames 2>/dev/null
            mapfile -t COMPREPLY < <(compgen -f -- "$cur")
            return
            ;;
        --direction) _mensurio_cli_words "$cur" "right-up down-left" ;;
        --table-format) _mensurio_cli_words "$cur" "general scientific" ;;
        --paper) _mensurio_cli_words "$cur" "horizontal vertical" ;;
        --format) _mensurio_cli_words "$cur" "auto scientific fixed thousands" ;;
        --places) _mensurio_cli_words "$cur" "0 1 2 3 4 5 6 7 8 9 10 11 12" ;;
        --style) _mensurio_cli_words "$cur" "0 1 2" ;;
        --rows | --columns | --export-number | --find) COMPREPLY=() ;;
        -c | --category | --list-units)
            _mensurio_cli_complete_lines "$cur" "$(_mensurio_cli_names --list-categories)"
            ;;
        --to) _mensurio_cli_complete_lines "$cur" "$(_mensurio_cli_units)" ;;
        *)
            if [[ $cur == -* ]]; then
                _mensurio_cli_words "$cur" "$options"
            else
                _mensurio_cli_complete_lines "$cur" "$(_mensurio_cli_units)"
            fi
            ;;
    esac
}

complete -F _mensurio_cli mensurio-cli
