#include "files/stale_temporaries.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace quorvel {
namespace {

constexpr std::string_view kTemporaryInfix = ".tmp-";
constexpr std::size_t kRandomLength = 6;  // the XXXXXX of mkstemp

bool isMkstempCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Removes `path` when it is still the file examined and no save holds it: its lock is free
// (or, on a file system without locks, it is old enough).
bool removeIfStale(const std::string& path, std::time_t newestStale) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool removed = false;
    struct stat opened {};
    struct stat named {};
    // A running save holds its lock from creation to rename (atomic_file.cpp makes a new
    // one again should this remove it between its creation and its lock).
    const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    const bool locksKept = locked || errno == EWOULDBLOCK;
    if ((locked || !locksKept) && ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
        (locked || opened.st_mtime <= newestStale) && ::lstat(path.c_str(), &named) == 0 &&
        named.st_dev == opened.st_dev && named.st_ino == opened.st_ino) {
        removed = ::unlink(path.c_str()) == 0;
    }
    ::close(fd);
    return removed;
}

}  // namespace

std::string temporaryNamePattern(std::string_view targetName) {
    std::string pattern(".");
    pattern.append(targetName).append(kTemporaryInfix).append(kRandomLength, 'X');
    return pattern;
}

bool isTemporaryNameOf(std::string_view name, std::string_view targetName) {
    const std::size_t prefixLength = 1 + targetName.size() + kTemporaryInfix.size();
    if (targetName.empty() || name.size() != prefixLength + kRandomLength || name[0] != '.' ||
        name.substr(1, targetName.size()) != targetName ||
        name.substr(1 + targetName.size(), kTemporaryInfix.size()) != kTemporaryInfix) {
        return false;
    }
    for (char c : name.substr(prefixLength)) {
        if (!isMkstempCharacter(c))
            return false;
    }
    return true;
}

std::size_t removeStaleTemporaries(const std::string& target, std::chrono::seconds minAge) {
    namespace fs = std::filesystem;
    const fs::path targetPath(target);
    const std::string targetName = targetPath.filename().string();
    fs::path folder = targetPath.parent_path();
    if (folder.empty())
        folder = ".";
    const std::time_t newestStale = std::time(nullptr) - static_cast<std::time_t>(minAge.count());
    std::size_t removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (isTemporaryNameOf(name, targetName) && removeIfStale(it->path().string(), newestStale))
            ++removed;
    }
    return removed;
}

}  // namespace quorvel
