// The "打印" button: a picture of the window goes to the clipboard and, if the user names a
// file, into that file as a bitmap for printing with any picture program.
#pragma once

#include <string>

#include "platform/ui_services.h"

namespace quorvel {

inline constexpr const char* kSnapshotProposedName = "打印窗体";
inline constexpr const char* kSnapshotSuffix = "bmp";
inline constexpr const char* kSnapshotFilter = "*.bmp";
inline constexpr const char* kSnapshotCaption = "提示";
inline constexpr const char* kSnapshotSavedText =
    "打印的窗体保存到您指定的图形文件，您可打开该文件进行打印！";

// A chosen name without an extension gets ".bmp"; any other name is kept as chosen.
std::string withBitmapSuffix(const std::string& path);

// Puts the picture on the clipboard, asks for a file name and saves the picture there as a
// bitmap (atomically, replacing an existing file without a question), then confirms. A save
// failure goes to the standard error box. Returns the path written, or an empty text when
// the user cancelled or the save failed.
std::string saveWindowSnapshot(const Picture& picture, UiServices& ui);

}  // namespace quorvel
