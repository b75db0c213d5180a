#include "output/window_snapshot.h"

#include <filesystem>

#include "files/atomic_file.h"
#include "output/bitmap_file.h"
#include "output/output_messages.h"

namespace quorvel {

std::string withBitmapSuffix(const std::string& path) {
    // A native dialog may hand back the name exactly as typed.
    if (std::filesystem::path(path).extension().empty()) {
        return path + "." + kSnapshotSuffix;
    }
    return path;
}

std::string saveWindowSnapshot(const Picture& picture, UiServices& ui) {
    ui.putPictureOnClipboard(picture);
    const std::optional<std::string> chosen = ui.askSaveFileName(
        {output_messages::kSnapshotProposedName, kSnapshotSuffix, kSnapshotFilter});
    if (!chosen || chosen->empty()) {
        return {};
    }
    const std::string path = withBitmapSuffix(*chosen);
    writeFileAtomically(path, encodeBitmap(picture));
    ui.messageBox(output_messages::kSnapshotSavedText, output_messages::kSnapshotCaption,
                  MessageButtons::Ok, MessageIcon::Information);
    return path;
}

}  // namespace quorvel
