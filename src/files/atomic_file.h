// Files are never rewritten in place: the new content goes to a temporary file in the same
// folder, which is flushed to disk and renamed over the old one. A failure at any point
// leaves the previous file whole.
//
// A name that is a symbolic link is followed to its final target, and the target is
// replaced: the link stays a link. Only a regular file that may be written is replaced
// (files/save_target.h): a folder, a device, a FIFO or a write-protected file is refused
// and stays as it was. A file with several hard links gets a new inode, so its other names
// keep the old content. Each save first removes the temporaries that killed saves of the
// same file left behind (files/stale_temporaries.h).
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "files/file_error.h"

namespace quorvel {

// Makes a new, empty temporary file beside the target of `path` and calls `write` with its
// name; `write` fills it (by name) with the whole new content. Then the temporary is flushed
// and renamed over the target. When `write` throws, the temporary is removed and the
// exception passes on unchanged. Throws FileError, naming the path and the reason, when the
// target may not be replaced (checkSaveTarget), or the temporary cannot be made, flushed or
// renamed; the target then keeps its previous content and no temporary is left. A new file
// gets the permissions a plainly created file would get; a replaced one keeps its
// permissions.
void replaceFileAtomically(const std::string& path,
                           const std::function<void(const std::string& tempPath)>& write);

// Writes `bytes` as the whole new content of `path`, atomically as above.
void writeFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace quorvel
