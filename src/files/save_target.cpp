#include "files/save_target.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "files/file_error.h"

namespace quorvel {

std::string resolveSaveTarget(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path current(path);
    for (int followed = 0;; ++followed) {
        std::error_code ec;
        const fs::file_status status = fs::symlink_status(current, ec);
        // Missing, unreachable or not a link: the save itself reports what is wrong.
        if (ec || !fs::is_symlink(status))
            return current.string();
        if (followed == kMaxSymbolicLinks) {
            throw FileError("cannot replace " + path + ": " + std::strerror(ELOOP), path, ELOOP);
        }
        const fs::path next = fs::read_symlink(current, ec);
        if (ec) {
            throw FileError("cannot read the link " + current.string() + ": " + ec.message(),
                            current.string(), ec.value());
        }
        // Not normalised: ".." after a linked folder must mean what the kernel means by it.
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
}

void checkSaveTarget(const std::string& target) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0) {
        return;
    }
    if (S_ISDIR(st.st_mode)) {
        throw FileError("cannot replace " + target + ": " + std::strerror(EISDIR), target, EISDIR);
    }
    if (!S_ISREG(st.st_mode)) {
        throw FileError(
            "cannot replace " + target + ": not a regular file (a device, FIFO, socket or link)",
            target, 0, FileFault::NotRegular);
    }
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
        (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0 && errno != EROFS)) {
        throw FileError("cannot replace " + target + ": the file is write-protected", target, 0,
                        FileFault::WriteProtected);
    }
}

void checkSavePath(const std::string& path) {
    checkSaveTarget(resolveSaveTarget(path));
}

bool isRegularFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace quorvel
