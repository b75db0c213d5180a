#include "platform/atomic_file.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace quorvel {
namespace {

std::string describe(const std::string& what, const std::string& path, int err) {
    return what + " " + path + ": " + std::strerror(err);
}

// Writes all of `bytes` to `fd`, resuming after short writes and interruptions.
bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

}  // namespace

std::string createTempFileBeside(const std::string& path) {
    std::filesystem::path target(path);
    std::filesystem::path folder = target.parent_path();
    // A hidden name beside the target; appended piece by piece because GCC 12 misreads
    // "." + std::string as an overlapping copy.
    std::string hidden(".");
    hidden.append(target.filename().string()).append(".tmp-XXXXXX");
    std::string pattern = (folder / hidden).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) {
        throw FileError(describe("cannot create a file beside", path, errno));
    }
    ::close(fd);
    return std::string(name.data());
}

void commitTempFile(const std::string& tempPath, const std::string& path) {
    int fd = ::open(tempPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0) {
        int err = errno;
        if (fd >= 0)
            ::close(fd);
        ::unlink(tempPath.c_str());
        throw FileError(describe("cannot flush", tempPath, err));
    }
    ::close(fd);
    // A new file gets the permissions a plainly created file would get, not mkstemp's 0600.
    mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat old {};
    mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~mask);
    ::chmod(tempPath.c_str(), mode);
    if (::rename(tempPath.c_str(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(tempPath.c_str());
        throw FileError(describe("cannot replace", path, err));
    }
}

void writeFileAtomically(const std::string& path, std::string_view bytes) {
    std::string temp = createTempFileBeside(path);
    int fd = ::open(temp.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0 || !writeAll(fd, bytes)) {
        int err = errno;
        if (fd >= 0)
            ::close(fd);
        ::unlink(temp.c_str());
        throw FileError(describe("cannot write", path, err));
    }
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        throw FileError(describe("cannot write", path, err));
    }
    commitTempFile(temp, path);
}

}  // namespace quorvel
