// Files are never rewritten in place: the new content goes to a temporary file in the same
// folder, which is flushed to disk and renamed over the old one. A failure at any point
// leaves the previous file whole.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace quorvel {

// A file could not be written, read or replaced; the message names the path and the cause.
class FileError : public std::runtime_error {
  public:
    explicit FileError(const std::string& what) : std::runtime_error(what) {}
};

// Creates a new, empty, uniquely named file beside `path` (same folder) and returns its name.
// Throws FileError when the folder cannot be written.
std::string createTempFileBeside(const std::string& path);

// Flushes `tempPath` to disk and renames it over `path`. On failure removes `tempPath` and
// throws FileError; `path` keeps its previous content.
void commitTempFile(const std::string& tempPath, const std::string& path);

// Writes `bytes` as the whole new content of `path`, atomically as above.
void writeFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace quorvel
