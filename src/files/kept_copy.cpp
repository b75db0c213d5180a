#include "files/kept_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "files/file_error.h"

namespace quorvel {
namespace {

FileError failure(const std::string& what, const std::string& path, int err) {
    return FileError(what + " " + path + ": " + std::strerror(err), path, err);
}

// Copies the bytes of `from` into the new file `to`, created exclusively.
void copyBytes(const std::string& from, const std::string& to) {
    const int in = ::open(from.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (in < 0) {
        throw failure("cannot read", from, errno);
    }
    struct stat st {};
    const mode_t mode = ::fstat(in, &st) == 0 ? st.st_mode & 0777 : 0600;
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (out < 0) {
        const int err = errno;
        ::close(in);
        throw failure("cannot create", to, err);
    }
    char buf[65536];
    int err = 0;
    for (;;) {
        ssize_t n = ::read(in, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            err = n < 0 ? errno : 0;
            break;
        }
        for (ssize_t done = 0; done < n && err == 0;) {
            const ssize_t w = ::write(out, buf + done, static_cast<std::size_t>(n - done));
            if (w < 0 && errno != EINTR)
                err = errno;
            done += w > 0 ? w : 0;
        }
        if (err != 0)
            break;
    }
    if (err == 0 && ::fsync(out) != 0)
        err = errno;
    ::close(in);
    if (::close(out) != 0 && err == 0)
        err = errno;
    if (err != 0) {
        ::unlink(to.c_str());
        throw failure("cannot copy " + from + " to", to, err);
    }
}

}  // namespace

std::string freeCopyName(const std::string& target) {
    for (int n = 1; n <= kMaxKeptCopies; ++n) {
        const std::string name = target + ".bak" + (n == 1 ? std::string() : std::to_string(n));
        struct stat st {};
        if (::lstat(name.c_str(), &st) != 0 && errno == ENOENT) {
            return name;
        }
    }
    const std::string last = target + ".bak" + std::to_string(kMaxKeptCopies);
    throw FileError(
        "no free name for a copy of " + target + ": " + target + ".bak to " + last + " all exist",
        last, EEXIST, FileFault::NoFreeCopyName);
}

void keepCopy(const std::string& target, const std::string& copy) {
    if (::link(target.c_str(), copy.c_str()) == 0) {
        return;
    }
    if (errno == EEXIST) {
        throw failure("cannot create", copy, EEXIST);
    }
    // A file system without hard links, or a link refused (protected_hardlinks): copy.
    copyBytes(target, copy);
}

}  // namespace quorvel
