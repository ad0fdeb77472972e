// SPDX-License-Identifier: MIT
#include "CompletionScripts.h"

#include "clishared/CliOptionTable.h"

#include <string_view>
#include <vector>

namespace mensurio {

namespace {

// Number ranges up to this many values are offered one by one, as choices are.
constexpr int kListedRange = 20;

// The option's names, short one first, joined by `separator`.
std::string Names(const CliOption &option, std::string_view separator) {
    std::string names;
    if (!option.shortName.empty()) {
        names += option.shortName;
        names += separator;
    }
    names += option.longName;
    return names;
}

// The values offered one by one (choices, or the numbers of a small range), separated by spaces;
// empty when there are none.
std::string ListedValues(const CliOption &option) {
    std::string words;
    const auto add = [&words](std::string_view word) {
        if (!words.empty())
            words += ' ';
        words += word;
    };
    if (option.value == CliValueKind::Choice) {
        for (std::string_view choice : option.choices)
            add(choice);
    } else if (option.value == CliValueKind::Number && option.high - option.low <= kListedRange) {
        for (int n = option.low; n <= option.high; ++n)
            add(std::to_string(n));
    }
    return words;
}

// Text in single quotes for the shell.
std::string SingleQuoted(std::string_view text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

// The options whose next word the completion offers from the same source, as a case pattern.
std::string Pattern(const std::vector<const CliOption *> &options, std::string_view separator) {
    std::string pattern;
    for (const CliOption *option : options) {
        if (!pattern.empty())
            pattern += separator;
        pattern += Names(*option, separator);
    }
    return pattern;
}

std::vector<const CliOption *> OptionsCompleting(CliCompletion completion) {
    std::vector<const CliOption *> options;
    for (const CliOption &option : CliOptionTable()) {
        if (option.completion == completion && ListedValues(option).empty())
            options.push_back(&option);
    }
    return options;
}

// The part of the bash script that does not depend on the options: reading a word as bash does,
// reading names from the database, and quoting each completion as its word was begun.
constexpr std::string_view kBashFunctions = R"bash(#
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
    db=$(_mensurio_cli_option_value @DATABASE@)
    if [[ $db == "~/"* ]]; then
        db=$HOME/${db#"~/"}
    fi
    "${COMP_WORDS[0]}" ${db:+--db "$db"} "$@" 2>/dev/null
}

_mensurio_cli_units() {
    local category
    category=$(_mensurio_cli_option_value @CATEGORY@)
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
)bash";

// Replaces the one @NAME@ in `text`.
void Fill(std::string &text, std::string_view name, std::string_view value) {
    text.replace(text.find(name), name.size(), value);
}

} // namespace

std::string CompletionScripts::Bash() {
    std::string script =
        "# SPDX-License-Identifier: MIT\n"
        "# bash completion for mensurio-cli, made by mensurio-completions from the option table.\n"
        "# Options; their choices; file names, category names and unit names after the options\n"
        "# that take them, and unit names for the positional unit (of the category given with -c,\n"
        "# else of all categories). Names come from the database the command would read (--db is\n"
        "# honoured).\n";
    script += kBashFunctions;
    Fill(script, "@DATABASE@", Names(CliOptionOf(CliOptionId::Database), " "));
    Fill(script, "@CATEGORY@", Names(CliOptionOf(CliOptionId::Category), " "));

    // Every option name, a line of them at a time.
    std::string line = "    local options=\"";
    const std::string continuation = "        ";
    bool first = true;
    for (const CliOption &option : CliOptionTable()) {
        for (std::string_view name : {option.shortName, option.longName}) {
            if (name.empty())
                continue;
            if (!first && line.size() + 1 + name.size() > 100) {
                script += line + "\n";
                line = continuation;
            } else if (!first) {
                line += ' ';
            }
            line += name;
            first = false;
        }
    }
    script += line + "\"\n\n    case $prev in\n";

    script += "        " + Pattern(OptionsCompleting(CliCompletion::File), " | ") +
              ")\n"
              "            # bash quotes file names itself once told they are file names.\n"
              "            compopt -o filenames 2>/dev/null\n"
              "            mapfile -t COMPREPLY < <(compgen -f -- \"$cur\")\n"
              "            return\n"
              "            ;;\n";
    std::vector<const CliOption *> freeText;
    for (const CliOption &option : CliOptionTable()) {
        const std::string listed = ListedValues(option);
        if (!listed.empty())
            script +=
                "        " + Names(option, " | ") + ") _mensurio_cli_words \"$cur\" \"" + listed + "\" ;;\n";
        else if (option.value != CliValueKind::None && option.completion == CliCompletion::Nothing)
            freeText.push_back(&option);
    }
    if (!freeText.empty())
        script += "        " + Pattern(freeText, " | ") + ") COMPREPLY=() ;;\n";
    script +=
        "        " + Pattern(OptionsCompleting(CliCompletion::Category), " | ") +
        ")\n"
        "            _mensurio_cli_complete_lines \"$cur\" \"$(_mensurio_cli_names --list-categories)\"\n"
        "            ;;\n";
    script += "        " + Pattern(OptionsCompleting(CliCompletion::Unit), " | ") +
              ") _mensurio_cli_complete_lines \"$cur\" \"$(_mensurio_cli_units)\" ;;\n";
    script += "        *)\n"
              "            if [[ $cur == -* ]]; then\n"
              "                _mensurio_cli_words \"$cur\" \"$options\"\n"
              "            else\n"
              "                _mensurio_cli_complete_lines \"$cur\" \"$(_mensurio_cli_units)\"\n"
              "            fi\n"
              "            ;;\n"
              "    esac\n"
              "}\n"
              "\n"
              "complete -F _mensurio_cli mensurio-cli\n";
    return script;
}

std::string CompletionScripts::Zsh() {
    std::string script = R"zsh(#compdef mensurio-cli
# SPDX-License-Identifier: MIT
# zsh completion for mensurio-cli, made by mensurio-completions from the option table: options,
# their choices, category names and unit names read from the database.

_mensurio_cli_categories() {
  local -a names
  names=(${(f)"$(_call_program categories mensurio-cli ${db:+--db $db} --list-categories 2>/dev/null)"})
  _describe -t categories 'category' names
}

_mensurio_cli_units() {
  local -a names cats
  local c
  if [[ -n $category ]]; then
    names=(${(f)"$(_call_program units mensurio-cli ${db:+--db $db} --list-units ${(q)category} 2>/dev/null)"})
  else
    cats=(${(f)"$(_call_program categories mensurio-cli ${db:+--db $db} --list-categories 2>/dev/null)"})
    for c in $cats; do
      names+=(${(f)"$(mensurio-cli ${db:+--db $db} --list-units $c 2>/dev/null)"})
    done
  fi
  _describe -t units 'unit' names
}

_mensurio-cli() {
  local db category i
  for ((i = 2; i < CURRENT; i++)); do
    case $words[i] in
)zsh";
    script += "      " + Names(CliOptionOf(CliOptionId::Database), "|") + ") db=${(Q)words[i+1]} ;;\n";
    script += "      " + Names(CliOptionOf(CliOptionId::Category), "|") + ") category=${(Q)words[i+1]} ;;\n";
    script += "    esac\n  done\n  _arguments -s";
    for (const CliOption &option : CliOptionTable()) {
        // Exclusions and repetition, the names, the description: '(-c --category)'{-c,--category}'[...]',
        // '*--to[...]'. The table's help lines hold no brackets, colons or backslashes.
        std::string before;
        if (option.alone)
            before += "(- *)";
        else if (!option.shortName.empty())
            before += "(" + Names(option, " ") + ")";
        if (option.repeatable)
            before += "*";
        std::string after = "[" + std::string(option.help) + "]";
        // What follows the option: a message and what to offer.
        std::string message(option.placeholder.size() > 1 ? option.placeholder : option.longName.substr(2));
        for (char &c : message)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        const std::string listed = ListedValues(option);
        if (!listed.empty()) {
            after += ":" + message + ":(" + listed + ")";
        } else if (option.completion == CliCompletion::File) {
            after += ":" + message + ":_files";
            if (!option.fileGlob.empty())
                after += " -g \"" + std::string(option.fileGlob) + "\"";
        } else if (option.completion == CliCompletion::Category) {
            after += ":" + message + ":_mensurio_cli_categories";
        } else if (option.completion == CliCompletion::Unit) {
            after += ":" + message + ":_mensurio_cli_units";
        } else if (option.value != CliValueKind::None) {
            after += ":" + message + ":";
        }
        script += " \\\n    ";
        if (option.shortName.empty())
            script += SingleQuoted(before + std::string(option.longName) + after);
        else
            script += (before.empty() ? "" : SingleQuoted(before)) + "{" + Names(option, ",") + "}" +
                      SingleQuoted(after);
    }
    script += " \\\n"
              "    '1:expression:' \\\n"
              "    '2:from unit:_mensurio_cli_units'\n"
              "}\n"
              "\n"
              "_mensurio-cli \"$@\"\n";
    return script;
}

} // namespace mensurio
