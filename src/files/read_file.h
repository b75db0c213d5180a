// Reading a whole small file (Config.ini, bd.txt) into memory.
#pragma once

#include <optional>
#include <string>

namespace quorvel {

// The bytes of `path`, or nothing when the file does not exist (nor its folder). Throws
// FileError (files/file_error.h) when it exists but cannot be read, e.g. a folder.
std::optional<std::string> readFileIfExists(const std::string& path);

}  // namespace quorvel
