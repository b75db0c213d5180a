#include "files/temporary_file.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace quorvel {

std::string temporaryFolder() {
    const char* dir = std::getenv("TMPDIR");
    struct stat st {};
    if (dir != nullptr && *dir != '\0' && ::stat(dir, &st) == 0 && S_ISDIR(st.st_mode)) {
        return dir;
    }
    return P_tmpdir;
}

FileError temporaryFileError(std::string_view purpose, int code) {
    const std::string folder = temporaryFolder();
    std::string what = "cannot keep ";
    what.append(purpose).append(" in a temporary file in ").append(folder);
    if (code != 0)
        what.append(": ").append(std::strerror(code));
    return FileError(what, folder, code, FileFault::TemporaryFolder);
}

namespace {

// A new file in `folder` without a name: from the start where the file system makes one,
// else a named one removed at once. -1 and errno on failure.
int unnamedFile(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
        const std::string pattern = folder + "/.quorvel-XXXXXX";
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        fd = ::mkostemp(name.data(), O_CLOEXEC);
        if (fd >= 0) {
            ::unlink(name.data());
        }
    }
    return fd;
}

}  // namespace

TemporaryFile openTemporaryFile(std::string_view purpose) {
    const std::string folder = temporaryFolder();
    const int fd = unnamedFile(folder);
    if (fd < 0) {
        throw temporaryFileError(purpose, errno);
    }
    std::FILE* file = ::fdopen(fd, "w+b");
    if (file == nullptr) {
        const int err = errno;
        ::close(fd);
        throw temporaryFileError(purpose, err);
    }
    return TemporaryFile(file);
}

int temporaryFolderShortage(const std::string& folder, std::uint64_t bytes) {
    const int fd = unnamedFile(folder);
    if (fd < 0) {
        return errno;
    }
    const int err = ::posix_fallocate(fd, 0, static_cast<off_t>(bytes));
    ::close(fd);
    return err == EOPNOTSUPP || err == EINVAL ? 0 : err;
}

}  // namespace quorvel
