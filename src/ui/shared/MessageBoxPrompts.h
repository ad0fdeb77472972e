// SPDX-License-Identifier: MIT
#pragma once

#include "core/platform/Prompts.h"

class QWidget;

namespace mensurio {

/// The desktop's prompts: message boxes titled "Mensurio", each preceded by the caller's beep.
class MessageBoxPrompts : public Prompts {
  public:
    /// Boxes are centred on `parent` when it is set (it may change as windows come and go).
    explicit MessageBoxPrompts(QWidget *parent = nullptr) : m_parent(parent) {}

    void SetParent(QWidget *parent) { m_parent = parent; }

    void Beep() override;
    void Error(const std::string &text) override;
    void Information(const std::string &text) override;
    void Warning(const std::string &text) override;
    bool Confirm(const std::string &text) override;
    bool RetryCancel(const std::string &text, const std::string &title) override;
    std::string SaveFileName(const std::string &title, const std::string &directory,
                             const std::string &fileName, const std::string &filter) override;
    std::string OpenFileName(const std::string &title, const std::string &directory,
                             const std::string &filter) override;

  private:
    QWidget *m_parent = nullptr;
};

} // namespace mensurio
