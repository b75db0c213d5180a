// What a save of a stored file (Config.ini, bd.txt) does with the file it replaces.
#pragma once

namespace quorvel {

enum class SaveOver {
    // Reads it first and keeps what the save does not change: other sections and keys, the
    // bytes of values and cells the user left as they were. A file that exists but cannot be
    // read is refused (FileError), so a save never loses what it could not read.
    ReadableFile,
    // Writes the form alone, without reading what is there: for a file that could not be
    // read, once the user agreed and a copy of it was kept.
    AnyContent,
};

}  // namespace quorvel
