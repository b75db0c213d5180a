// The "打印" button: a picture of the window goes to the clipboard and, if the user names a
// file, into that file as a bitmap for printing with any picture program.
#pragma once

#include <string>

#include "ports/ui_services.h"

namespace quorvel {

inline constexpr const char* kSnapshotSuffix = "bmp";
inline constexpr const char* kSnapshotFilter = "*.bmp";

// A chosen name without an extension gets ".bmp"; any other name is kept as chosen.
std::string withBitmapSuffix(const std::string& path);

// Puts the picture on the clipboard, asks for a file name and saves the picture there as a
// bitmap (atomically, replacing an existing file without a question), then confirms. Returns
// the path written, or an empty text when the user cancelled. Throws FileError when the file
// cannot be written (the caller shows it).
std::string saveWindowSnapshot(const Picture& picture, UiServices& ui);

}  // namespace quorvel
