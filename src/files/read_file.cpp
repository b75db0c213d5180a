#include "files/read_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "files/file_error.h"

namespace quorvel {
namespace {

FileError systemFailure(const char* what, const std::string& path, int err) {
    return FileError(std::string(what) + " " + path + ": " + std::strerror(err), path, err);
}

// Refuses what is not a regular file of at most `maxBytes`.
void checkStoredFile(const struct stat& st, const std::string& path, std::size_t maxBytes) {
    if (S_ISDIR(st.st_mode)) {
        throw systemFailure("cannot read", path, EISDIR);
    }
    if (!S_ISREG(st.st_mode)) {
        throw FileError("cannot read " + path + ": not a regular file (a device, FIFO or socket)",
                        path, 0, FileFault::NotRegular);
    }
    if (st.st_size < 0 || static_cast<unsigned long long>(st.st_size) > maxBytes) {
        throw FileError(
            "cannot read " + path + ": larger than " + std::to_string(maxBytes) + " bytes", path, 0,
            FileFault::TooLarge);
    }
}

}  // namespace

std::optional<std::string> readFileIfExists(const std::string& path, std::size_t maxBytes) {
    // Looked at before it is opened: opening a device may already do something.
    struct stat named {};
    if (::stat(path.c_str(), &named) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return std::nullopt;
        throw systemFailure("cannot open", path, errno);
    }
    checkStoredFile(named, path, maxBytes);
    // O_NONBLOCK: should the name have become a FIFO since, opening it does not wait.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return std::nullopt;
        throw systemFailure("cannot open", path, errno);
    }
    std::string bytes;
    try {
        struct stat opened {};
        if (::fstat(fd, &opened) != 0) {
            throw systemFailure("cannot read", path, errno);
        }
        checkStoredFile(opened, path, maxBytes);
        bytes.reserve(static_cast<std::size_t>(opened.st_size));
        char buf[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                throw systemFailure("cannot read", path, errno);
            }
            if (n == 0)
                break;
            bytes.append(buf, static_cast<std::size_t>(n));
            // A file that grows while it is read is held to the same limit.
            if (bytes.size() > maxBytes) {
                struct stat grown = opened;
                grown.st_size = static_cast<off_t>(bytes.size());
                checkStoredFile(grown, path, maxBytes);
            }
        }
    } catch (...) {
        ::close(fd);
        throw;
    }
    ::close(fd);
    return bytes;
}

std::optional<FileStamp> fileStamp(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return std::nullopt;
    }
    return FileStamp{st.st_dev, st.st_ino, static_cast<std::uint64_t>(st.st_size),
                     st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
}

}  // namespace quorvel
