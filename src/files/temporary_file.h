// The system's temporary folder, and unnamed temporary files in it that the system removes
// when they are closed: where data too long to hold in memory waits while a document is
// written. The workbook library keeps its own temporary files in the same folder, so that
// one folder's space decides. A failure names the folder, what the file was for and the
// system's reason.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "files/file_error.h"

namespace quorvel {

// The temporary folder, chosen as the workbook library chooses it: $TMPDIR when it names an
// existing folder, else P_tmpdir ("/tmp").
std::string temporaryFolder();

struct CloseTemporaryFile {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using TemporaryFile = std::unique_ptr<std::FILE, CloseTemporaryFile>;

// The error of a temporary file of temporaryFolder() kept for `purpose` ("the table's rows"),
// with errno `code` (0 when there is none): fault TemporaryFolder, path() the folder.
FileError temporaryFileError(std::string_view purpose, int code);

// Opens a new temporary file in temporaryFolder(), already removed from the folder, so that
// nothing is left behind even when the process is killed; throws temporaryFileError when it
// cannot be made.
TemporaryFile openTemporaryFile(std::string_view purpose);

// Why `folder` cannot take a file of `bytes` now: the system's reason (ENOSPC, EDQUOT, EFBIG,
// …) for a temporary file it will not make room for, or 0 when it makes room (or a file
// system that reserves no room cannot say). Asked when a part another program wrote there
// came out incomplete, to name the reason it did not report.
int temporaryFolderShortage(const std::string& folder, std::uint64_t bytes);

}  // namespace quorvel
