#include "files/atomic_file.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include "files/save_target.h"
#include "files/stale_temporaries.h"

namespace quorvel {
namespace {

FileError failure(const std::string& what, const std::string& path, int err) {
    return FileError(what + " " + path + ": " + std::strerror(err), path, err);
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

// The open temporary of one save: removed (and its lock released) unless it was renamed.
class Temporary {
  public:
    explicit Temporary(const std::string& target) {
        const std::filesystem::path targetPath(target);
        const std::string pattern =
            (targetPath.parent_path() / temporaryNamePattern(targetPath.filename().string()))
                .string();
        // Another save's clean-up may take a file between its creation and its lock for one
        // a killed save left: then it is made again.
        for (int attempt = 0; fd_ < 0; ++attempt) {
            std::vector<char> name(pattern.begin(), pattern.end());
            name.push_back('\0');
            fd_ = ::mkostemp(name.data(), O_CLOEXEC);
            if (fd_ < 0) {
                throw failure("cannot create a file beside", target, errno);
            }
            path_ = name.data();
            // Tells a clean-up that this save is running; where the file system offers no
            // locks, the age of the file still protects it.
            (void)::flock(fd_, LOCK_EX);
            struct stat st {};
            if (attempt < 8 && ::fstat(fd_, &st) == 0 && st.st_nlink == 0) {
                ::close(fd_);
                fd_ = -1;
            }
        }
    }
    ~Temporary() {
        if (!renamed_)
            ::unlink(path_.c_str());
        ::close(fd_);
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    const std::string& path() const { return path_; }
    int fd() const { return fd_; }
    void markRenamed() { renamed_ = true; }

  private:
    std::string path_;
    int fd_ = -1;
    bool renamed_ = false;
};

// The mode a save gives its file: the old file's, or what a plainly created file would get
// (not mkstemp's 0600).
mode_t modeFor(const std::string& target) {
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0)
        return old.st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Makes the rename itself survive a power cut. The new content is already in place, so a
// failure here is not reported: the caller could not mend it.
void syncFolder(const std::string& target) {
    std::filesystem::path folder = std::filesystem::path(target).parent_path();
    if (folder.empty())
        folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

void replaceFileAtomically(const std::string& path,
                           const std::function<void(const std::string& tempPath)>& write) {
    const std::string target = resolveSaveTarget(path);
    checkSaveTarget(target);
    removeStaleTemporaries(target);
    Temporary temp(target);
    write(temp.path());
    // The file may have been written through another descriptor; fsync flushes the file.
    if (::fsync(temp.fd()) != 0) {
        throw failure("cannot write", target, errno);
    }
    if (::fchmod(temp.fd(), modeFor(target)) != 0) {
        throw failure("cannot write", target, errno);
    }
    // Again just before the rename: the name may have become something else meanwhile.
    checkSaveTarget(target);
    if (::rename(temp.path().c_str(), target.c_str()) != 0) {
        throw failure("cannot replace", target, errno);
    }
    temp.markRenamed();
    syncFolder(target);
}

void writeFileAtomically(const std::string& path, std::string_view bytes) {
    replaceFileAtomically(path, [&](const std::string& tempPath) {
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd < 0 || !writeAll(fd, bytes)) {
            const int err = errno;
            if (fd >= 0)
                ::close(fd);
            throw failure("cannot write", path, err);
        }
        if (::close(fd) != 0) {
            throw failure("cannot write", path, errno);
        }
    });
}

}  // namespace quorvel
