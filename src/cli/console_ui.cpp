#include "cli/console_ui.h"

namespace quorvel {

void ConsoleUi::showMessage(std::string_view text) {
    err_ << text << '\n';
}

void ConsoleUi::showError(std::string_view text) {
    sawError_ = true;
    err_ << "错误: " << text << '\n';
}

MessageAnswer ConsoleUi::messageBox(std::string_view text, std::string_view caption,
                                    MessageButtons buttons, MessageIcon icon) {
    if (icon == MessageIcon::Error) {
        sawError_ = true;
    }
    err_ << '[' << caption << "] " << text << '\n';
    return buttons == MessageButtons::YesNo ? answer_ : MessageAnswer::Ok;
}

OpenOutcome ConsoleUi::openDocument(const std::string&) {
    return OpenOutcome::Failed;  // a terminal opens nothing
}

std::optional<std::string> ConsoleUi::askSaveFileName(const SaveFileRequest&) {
    return std::nullopt;
}

void ConsoleUi::putPictureOnClipboard(const Picture&) {}

}  // namespace quorvel
