// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace mensurio {

/// Outcome of an edit made through the custom unit and category dialogs: done, or the
/// message that tells the user why not (the dialog then stays open).
struct EditOutcome {
    bool done = false;
    std::string message;

    static EditOutcome Done() { return {true, {}}; }
    static EditOutcome Refused(std::string text) { return {false, std::move(text)}; }
};

/// A typed name (Windows-1252) made ready for the database, or why it cannot be used.
struct PreparedName {
    std::string name;    // without leading and trailing spaces, at most 50 characters
    std::string problem; // empty when the name can be used
};

enum class NameKind { Unit, Category };

/// Removes leading and trailing spaces, keeps the first 50 characters, and refuses a name that is then empty,
/// one holding a control character or a character the code page cannot hold, and the category name
/// "Category", which the units file reserves for its category records.
PreparedName PrepareCustomName(std::string_view typed, NameKind kind);

} // namespace mensurio
