// Which file a save replaces when the name it is given is a symbolic link.
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

}  // namespace quorvel
