#include "files/temporary_file.h"

#include <cerrno>
#include <cstring>
#include <string>

namespace quorvel {

FileError temporaryFileError(std::string_view purpose, int code) {
    std::string what = "cannot keep ";
    what.append(purpose).append(" in a temporary file in " P_tmpdir);
    if (code != 0)
        what.append(": ").append(std::strerror(code));
    return FileError(what, P_tmpdir, code);
}

TemporaryFile openTemporaryFile(std::string_view purpose) {
    TemporaryFile file(std::tmpfile());
    if (!file) {
        throw temporaryFileError(purpose, errno);
    }
    return file;
}

}  // namespace quorvel
