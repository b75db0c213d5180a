#include "support/recording_ui.h"

namespace quorvel::testsupport {

void RecordingUi::showMessage(std::string_view text) {
    shown.push_back(
        {ShownBox::Kind::Message, std::string(text), {}, MessageButtons::Ok, MessageIcon::None});
}

void RecordingUi::showError(std::string_view text) {
    shown.push_back(
        {ShownBox::Kind::Error, std::string(text), {}, MessageButtons::Ok, MessageIcon::Error});
}

MessageAnswer RecordingUi::messageBox(std::string_view text, std::string_view caption,
                                      MessageButtons buttons, MessageIcon icon) {
    shown.push_back({ShownBox::Kind::Box, std::string(text), std::string(caption), buttons, icon});
    if (buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    if (answers.empty()) {
        return MessageAnswer::Yes;
    }
    MessageAnswer a = answers.front();
    answers.pop_front();
    return a;
}

OpenOutcome RecordingUi::openDocument(const std::string& path) {
    shown.push_back({ShownBox::Kind::Open, path, {}, MessageButtons::Ok, MessageIcon::None});
    return openOutcome;
}

std::optional<std::string> RecordingUi::askSaveFileName(const SaveFileRequest& request) {
    shown.push_back({ShownBox::Kind::SaveDialog,
                     request.proposedName,
                     {},
                     MessageButtons::Ok,
                     MessageIcon::None});
    saveRequests.push_back(request);
    if (saveAnswers.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

void RecordingUi::putPictureOnClipboard(const Picture& picture) {
    clipboard = picture;
}

std::vector<std::string> RecordingUi::messages() const {
    std::vector<std::string> out;
    for (const auto& b : shown) {
        if (b.kind == ShownBox::Kind::Message) {
            out.push_back(b.text);
        }
    }
    return out;
}

std::vector<std::string> RecordingUi::errors() const {
    std::vector<std::string> out;
    for (const auto& b : shown) {
        if (b.kind == ShownBox::Kind::Error) {
            out.push_back(b.text);
        }
    }
    return out;
}

}  // namespace quorvel::testsupport
