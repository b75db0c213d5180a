// The one error of the file layer: a file could not be read, written or replaced. what()
// names the path and the reason (for a log or a terminal); path() and code() let a window
// say the same in its own words.
#pragma once

#include <stdexcept>
#include <string>

namespace quorvel {

class FileError : public std::runtime_error {
  public:
    explicit FileError(const std::string& what, std::string path = {}, int code = 0)
        : std::runtime_error(what), path_(std::move(path)), code_(code) {}
    // The file concerned; empty when the message names it only in passing.
    const std::string& path() const { return path_; }
    // The system's error number (errno), or 0 when the failure is not the system's.
    int code() const { return code_; }

  private:
    std::string path_;
    int code_;
};

}  // namespace quorvel
