// The one error of the file layer: a file could not be read, written or replaced. what()
// names the path and the reason (for a log or a terminal); path(), code() and fault() let a
// window say the same in its own words.
#pragma once

#include <stdexcept>
#include <string>

namespace quorvel {

// Why a file was refused when the system itself did not fail.
enum class FileFault {
    System,           // the system's error, code() (or none: the message says it all)
    NotRegular,       // a device, a FIFO or a socket where a regular file belongs
    WriteProtected,   // its permission bits forbid writing it (root included)
    TooLarge,         // larger than a stored file may be (files/read_file.h)
    TemporaryFolder,  // a temporary file in the system's temporary folder (path()) failed,
                      // code() the system's reason, or 0 when a part came out incomplete
    NoFreeCopyName,   // every name a kept copy may take is in use (files/kept_copy.h);
                      // path() the last of them
};

class FileError : public std::runtime_error {
  public:
    explicit FileError(const std::string& what, std::string path = {}, int code = 0,
                       FileFault fault = FileFault::System)
        : std::runtime_error(what), path_(std::move(path)), code_(code), fault_(fault) {}
    // The file concerned; empty when the message names it only in passing.
    const std::string& path() const { return path_; }
    // The system's error number (errno), or 0 when the failure is not the system's.
    int code() const { return code_; }
    FileFault fault() const { return fault_; }

  private:
    std::string path_;
    int code_;
    FileFault fault_;
};

}  // namespace quorvel
