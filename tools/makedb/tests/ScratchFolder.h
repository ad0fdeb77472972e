// SPDX-License-Identifier: MIT
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace mensurio {

/// A fresh temporary folder, removed with everything in it when the test ends.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "makedb-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    std::string Path(const std::string &name) const { return (m_path / name).string(); }

    std::string Write(const std::string &name, const std::string &text) const {
        std::ofstream out(Path(name), std::ios::binary);
        out << text;
        return Path(name);
    }

  private:
    std::filesystem::path m_path;
};

} // namespace mensurio
