#include "output/window_snapshot.h"

#include <exception>
#include <filesystem>

#include "output/bitmap_file.h"
#include "platform/atomic_file.h"

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
    const std::optional<std::string> chosen =
        ui.askSaveFileName({kSnapshotProposedName, kSnapshotSuffix, kSnapshotFilter});
    if (!chosen || chosen->empty()) {
        return {};
    }
    const std::string path = withBitmapSuffix(*chosen);
    try {
        writeFileAtomically(path, encodeBitmap(picture));
    } catch (const std::exception& e) {
        ui.showError(e.what());
        return {};
    }
    ui.messageBox(kSnapshotSavedText, kSnapshotCaption, MessageButtons::Ok,
                  MessageIcon::Information);
    return path;
}

}  // namespace quorvel
