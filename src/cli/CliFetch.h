// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace mensurio {

/// `mensurio-cli --update-rates` without a file: runs mensurio-fetch beside the executable,
/// which downloads with Qt Network, so that mensurio-cli itself never loads a network library.
class CliFetch {
  public:
    static constexpr const char *Program = "mensurio-fetch";

    /// Runs the downloader and takes what it writes (at most one byte more than a rates file may
    /// hold). Returns false with `problem` set when it could not be started or said the download
    /// failed.
    static bool Run(std::string &body, std::string &problem);
};

} // namespace mensurio
