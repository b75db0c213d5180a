// Which file a save replaces when the name it is given is a symbolic link, and which files a
// save may replace at all.
#pragma once

#include <string>

namespace quorvel {

// The most links followed before a chain counts as a loop (the kernel's own limit).
inline constexpr int kMaxSymbolicLinks = 40;

// `path` itself, or, when it is a symbolic link, the file at the end of its chain of links;
// a relative link is read from the folder the link lies in. The file at the end need not
// exist (a dangling link is saved by creating its target). Only the last part of the path
// is followed: linked folders on the way work as they are. Throws FileError for a loop or a
// link that cannot be read.
std::string resolveSaveTarget(const std::string& path);

// Refuses to let a save replace `target` (a name resolveSaveTarget gave). A save replaces
// only a regular file, or creates a missing one. Throws FileError naming the target when it
// is a folder (code EISDIR) or a device, FIFO or socket (fault NotRegular) — a save would
// turn it into a regular file — or when its permission bits forbid writing it (fault
// WriteProtected): no write bit set at all, which counts for root too (root may write
// anything, but a file made read-only was made so on purpose), or none that grants this
// user write access (access(2)). A target that cannot be looked at passes: the save itself
// then reports why.
void checkSaveTarget(const std::string& target);

// checkSaveTarget for the file a save of `path` replaces (resolveSaveTarget): what a save
// that reads the file first checks before it reads.
void checkSavePath(const std::string& path);

// Whether `path`, links followed, is now a regular file.
bool isRegularFile(const std::string& path);

}  // namespace quorvel
