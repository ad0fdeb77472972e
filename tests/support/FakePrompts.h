// SPDX-License-Identifier: MIT
#pragma once

#include "core/platform/Prompts.h"

#include <deque>
#include <string>
#include <vector>

namespace mensurio::test {

/// Records every prompt and answers questions from a script (default: Cancel / No).
class FakePrompts : public Prompts {
  public:
    void Beep() override { log.push_back("beep"); }
    void Error(const std::string &text) override { log.push_back("error: " + text); }
    void Information(const std::string &text) override { log.push_back("information: " + text); }
    void Warning(const std::string &text) override { log.push_back("warning: " + text); }
    bool Confirm(const std::string &text) override {
        log.push_back("confirm: " + text);
        return next();
    }
    bool RetryCancel(const std::string &text, const std::string &title) override {
        log.push_back("retry/cancel [" + title + "]: " + text);
        return next();
    }

    std::string SaveFileName(const std::string &title, const std::string &directory,
                             const std::string &fileName, const std::string &filter) override {
        log.push_back("save [" + title + "] " + directory + " " + fileName + " " + filter);
        return nextFile();
    }
    std::string OpenFileName(const std::string &title, const std::string &directory,
                             const std::string &filter) override {
        log.push_back("open [" + title + "] " + directory + " " + filter);
        return nextFile();
    }

    std::vector<std::string> log;
    std::deque<bool> answers;
    /// Paths the file dialogs answer in turn; an empty string (or none left) is Cancel.
    std::deque<std::string> fileAnswers;

  private:
    std::string nextFile() {
        if (fileAnswers.empty())
            return {};
        std::string path = fileAnswers.front();
        fileAnswers.pop_front();
        return path;
    }
    bool next() {
        if (answers.empty())
            return false;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
};

} // namespace mensurio::test
