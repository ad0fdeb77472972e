// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace mensurio {

/// The user prompts the core's sequences and the dialogs need. The desktop program
/// implements it with message boxes; tests use a scripted fake. Texts are Windows-1252.
class Prompts {
  public:
    virtual ~Prompts() = default;
    virtual void Beep() = 0;
    virtual void Error(const std::string &text) = 0;
    virtual void Information(const std::string &text) = 0;
    virtual void Warning(const std::string &text) = 0;
    /// Yes/Cancel confirmation; true for Yes.
    virtual bool Confirm(const std::string &text) = 0;
    /// Warning with Retry and Cancel under the given title; true for Retry.
    virtual bool RetryCancel(const std::string &text, const std::string &title) = 0;
    /// Save-file dialog starting in `directory` with `fileName` proposed; `filter` in Qt's
    /// syntax ("Palm databases (*.pdb);;All files (*)"). Returns the chosen path in the file
    /// system's encoding (UTF-8), empty when the user cancelled. `title` is Windows-1252.
    virtual std::string SaveFileName(const std::string &title, const std::string &directory,
                                     const std::string &fileName, const std::string &filter) = 0;
    /// Open-file dialog, otherwise as SaveFileName.
    virtual std::string OpenFileName(const std::string &title, const std::string &directory,
                                     const std::string &filter) = 0;
};

} // namespace mensurio
