// Reading a whole stored file (Config.ini, bd.txt) into memory, safely whatever the name
// turns out to be.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace quorvel {

// The most a stored file may hold: 16 MiB. Config.ini is about 1 kB, and the largest grid a
// bd.txt may hold (100,000 cells) takes a few MB even with long cells; a larger file is not
// one the program wrote, and reading it whole would only cost memory and time.
inline constexpr std::size_t kMaxStoredFileBytes = std::size_t{16} * 1024 * 1024;

// The bytes of `path`, or nothing when neither it nor its folder exists. Only a regular file
// (a symbolic link is followed) of at most `maxBytes` bytes is read: a device or a FIFO is
// not even opened for reading its content, so a link to /dev/zero or a FIFO never blocks
// or fills memory. Throws FileError naming the path when the file exists but is a folder
// (code EISDIR), a device, FIFO or socket (fault NotRegular), larger than `maxBytes`
// (fault TooLarge), or cannot be read (the system's code).
std::optional<std::string> readFileIfExists(const std::string& path,
                                            std::size_t maxBytes = kMaxStoredFileBytes);

// What tells one version of a file from another: which file it is, its size and its last
// change, to the nanosecond.
struct FileStamp {
    std::uint64_t device = 0, inode = 0, size = 0;
    std::int64_t changedSeconds = 0, changedNanoseconds = 0;
    bool operator==(const FileStamp&) const = default;
};

// The stamp of `path` (links followed), or nothing when it cannot be looked at.
std::optional<FileStamp> fileStamp(const std::string& path);

}  // namespace quorvel
