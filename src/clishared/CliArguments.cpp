// SPDX-License-Identifier: MIT
#include "clishared/CliArguments.h"

#include <cerrno>
#include <cstdlib>
#include <span>
#include <string_view>
#include <utility>

namespace mensurio {

namespace {

bool LooksLikeOption(const std::string &word) {
    if (word.size() < 2 || word[0] != '-' || word == "->")
        return false;
    const char next = word[1];
    return !((next >= '0' && next <= '9') || next == '.' || next == ',' || next == '(');
}

// "a, b or c"
std::string Alternatives(std::span<const std::string_view> choices) {
    std::string text;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (i > 0)
            text += i + 1 == choices.size() ? " or " : ", ";
        text += choices[i];
    }
    return text;
}

// Checks the value against the option's choices or range and sets the argument's number; returns
// false with `error` set when the value does not fit.
bool CheckValue(CliArgument &argument, std::string &error) {
    const CliOption &option = *argument.option;
    if (option.value == CliValueKind::Choice) {
        for (std::size_t i = 0; i < option.choices.size(); ++i) {
            if (argument.value == option.choices[i]) {
                argument.number = static_cast<int>(i);
                return true;
            }
        }
        error = std::string(option.longName) + " takes " + Alternatives(option.choices) + ", not '" +
                argument.value + "'";
        return false;
    }
    if (option.value == CliValueKind::Number) {
        const std::string &text = argument.value;
        char *end = nullptr;
        errno = 0;
        const long number = text.empty() ? 0 : std::strtol(text.c_str(), &end, 10);
        if (text.empty() || *end != '\0' || errno != 0 || number < option.low || number > option.high) {
            error = std::string(option.longName) + " takes a whole number from " +
                    std::to_string(option.low) + " to " + std::to_string(option.high) + ", not '" + text +
                    "'";
            return false;
        }
        argument.number = static_cast<int>(number);
    }
    return true;
}

} // namespace

std::optional<std::vector<CliArgument>> ReadCliArguments(const std::vector<std::string> &args,
                                                         std::string &error) {
    std::vector<CliArgument> arguments;
    arguments.reserve(args.size());
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &word = args[i];
        if (optionsEnded || !LooksLikeOption(word)) {
            arguments.push_back({nullptr, word});
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = word.rfind("--", 0) == 0 ? word.find('=') : std::string::npos;
        const std::string_view name = std::string_view(word).substr(0, equals);
        CliArgument argument{FindCliOption(name), {}};
        if (!argument.option) {
            error = "unknown option " + std::string(name);
            return std::nullopt;
        }
        if (argument.option->value == CliValueKind::None) {
            if (equals != std::string::npos) {
                error = "option " + std::string(name) + " takes no value";
                return std::nullopt;
            }
        } else if (equals != std::string::npos) {
            argument.value = word.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            argument.value = args[++i];
        } else {
            error = "option " + word + " needs a value";
            return std::nullopt;
        }
        if (!CheckValue(argument, error))
            return std::nullopt;
        arguments.push_back(std::move(argument));
    }
    return arguments;
}

} // namespace mensurio
