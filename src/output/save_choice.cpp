#include "output/save_choice.h"

#include <filesystem>
#include <system_error>

#include "output/output_messages.h"

namespace quorvel {

std::optional<std::string> askFileToWrite(
    UiServices& ui, SaveFileRequest request,
    const std::function<std::string(const std::string&)>& complete) {
    for (;;) {
        const std::optional<std::string> chosen = ui.askSaveFileName(request);
        if (!chosen || chosen->empty()) {
            return std::nullopt;
        }
        std::string path = complete(*chosen);
        std::error_code ec;
        // A link counts as the file it names, and a dangling one as a name in use.
        if (!std::filesystem::exists(std::filesystem::symlink_status(path, ec)) ||
            ui.messageBox(output_messages::replaceQuestion(path), output_messages::kReplaceCaption,
                          MessageButtons::YesNo, MessageIcon::Warning) == MessageAnswer::Yes) {
            return path;
        }
        request.proposedName = path;
    }
}

}  // namespace quorvel
