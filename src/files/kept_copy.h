// A copy of a file kept beside it before a save writes over a file that could not be read,
// so that whatever it held can still be looked at.
#pragma once

#include <string>

namespace quorvel {

inline constexpr int kMaxKeptCopies = 999;

// The first of NAME.bak, NAME.bak2, NAME.bak3, ... (up to NAME.bak999) beside `target` that
// does not exist. Throws FileError (fault NoFreeCopyName, path() the last name) when all are
// taken.
std::string freeCopyName(const std::string& target);

// Keeps the present content of the regular file `target` under the new name `copy` in the
// same folder: a second hard link where the file system allows one (instant, whatever the
// size), else a byte copy flushed to disk. An existing `copy` is never replaced. Throws
// FileError naming the file and the system's reason; no partial copy is left.
void keepCopy(const std::string& target, const std::string& copy);

}  // namespace quorvel
