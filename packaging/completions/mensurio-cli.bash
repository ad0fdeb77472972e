# SPDX-License-Identifier: MIT
# bash completion for mensurio-cli: options, category names after -c/--category/--list-units,
# unit names after --to and for the positional unit (of the category given with -c, else of all
# categories). Names come from the database the command would read (--db is honoured).

_mensurio_cli_names() {
    # $1: --list-categories or --list-units CATEGORY; prints one name per line.
    local db=() i
    for ((i = 1; i < COMP_CWORD; i++)); do
        if [[ ${COMP_WORDS[i]} == --db ]]; then
            db=(--db "${COMP_WORDS[i + 1]}")
        fi
    done
    "${COMP_WORDS[0]}" "${db[@]}" "$@" 2>/dev/null
}

_mensurio_cli_units() {
    local category="" i
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
            -c | --category) category=${COMP_WORDS[i + 1]} ;;
        esac
    done
    if [[ -n $category ]]; then
        _mensurio_cli_names --list-units "$category"
    else
        local c
        while IFS= read -r c; do
            _mensurio_cli_names --list-units "$c"
        done < <(_mensurio_cli_names --list-categories)
    fi
}

_mensurio_cli_complete_lines() {
    # Completes the current word from newline-separated names, which may contain spaces.
    local cur=$1 names=$2 IFS=$'\n' name
    COMPREPLY=()
    for name in $names; do
        if [[ $name == "$cur"* ]]; then
            COMPREPLY+=("$(printf '%q' "$name")")
        fi
    done
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
            COMPREPLY=($(compgen -f -- "$cur"))
            return
            ;;
        --direction)
            COMPREPLY=($(compgen -W "right-up down-left" -- "$cur"))
            return
            ;;
        --table-format)
            COMPREPLY=($(compgen -W "general scientific" -- "$cur"))
            return
            ;;
        --paper)
            COMPREPLY=($(compgen -W "horizontal vertical" -- "$cur"))
            return
            ;;
        --rows | --columns | --export-number)
            return
            ;;
        -c | --category | --list-units)
            _mensurio_cli_complete_lines "$cur" "$(_mensurio_cli_names --list-categories)"
            return
            ;;
        --to)
            _mensurio_cli_complete_lines "$cur" "$(_mensurio_cli_units)"
            return
            ;;
        --format)
            COMPREPLY=($(compgen -W "auto scientific fixed thousands" -- "$cur"))
            return
            ;;
        --places)
            COMPREPLY=($(compgen -W "0 1 2 3 4 5 6 7 8 9 10 11 12" -- "$cur"))
            return
            ;;
        --style)
            COMPREPLY=($(compgen -W "0 1 2" -- "$cur"))
            return
            ;;
        --find)
            return
            ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
    else
        _mensurio_cli_complete_lines "$cur" "$(_mensurio_cli_units)"
    fi
}

complete -F _mensurio_cli mensurio-cli
