// The standard output of a shell command (the PDF and zip tools the tests read files with).
#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>

namespace quorvel::testsupport {

inline std::string commandOutput(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        throw std::runtime_error("cannot run " + command);
    }
    std::string out;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        out.append(buffer, n);
    }
    if (pclose(pipe) != 0) {
        throw std::runtime_error("failed: " + command);
    }
    return out;
}

// The page count pdfinfo reports for a PDF file.
inline int pdfPages(const std::string& path) {
    const std::string info = commandOutput("pdfinfo '" + path + "'");
    const auto at = info.find("Pages:");
    if (at == std::string::npos) {
        throw std::runtime_error("pdfinfo gives no page count for " + path);
    }
    return std::stoi(info.substr(at + 6));
}

}  // namespace quorvel::testsupport
