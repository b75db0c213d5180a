// An unnamed temporary file (std::tmpfile, in the system's temporary folder P_tmpdir) that the
// system removes when it is closed: where data too long to hold in memory waits while a
// document is written. A failure names the folder, what the file was for and the system's
// reason.
#pragma once

#include <cstdio>
#include <memory>
#include <string_view>

#include "files/file_error.h"

namespace quorvel {

struct CloseTemporaryFile {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using TemporaryFile = std::unique_ptr<std::FILE, CloseTemporaryFile>;

// The error of a temporary file kept for `purpose` ("the table's rows"), with errno `code`
// (0 when there is none).
FileError temporaryFileError(std::string_view purpose, int code);

// Opens a new temporary file; throws temporaryFileError when it cannot be made.
TemporaryFile openTemporaryFile(std::string_view purpose);

}  // namespace quorvel
