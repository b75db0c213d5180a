// A UiServices that records what would have been shown and answers questions from a queue.
// Used by the tests; never blocks.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "ports/ui_services.h"

namespace quorvel::testsupport {

struct ShownBox {
    enum class Kind { Message, Error, Box, Open, SaveDialog } kind;
    std::string text;     // the message, the opened path, or the dialog's proposed name
    std::string caption;  // empty for Message, Error and Open
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;

    bool operator==(const ShownBox&) const = default;
};

class RecordingUi : public UiServices {
  public:
    void showMessage(std::string_view text) override;
    void showError(std::string_view text) override;
    MessageAnswer messageBox(std::string_view text, std::string_view caption,
                             MessageButtons buttons, MessageIcon icon) override;
    OpenOutcome openDocument(const std::string& path) override;
    std::optional<std::string> askSaveFileName(const SaveFileRequest& request) override;
    void putPictureOnClipboard(const Picture& picture) override;

    // Answers for the next Yes/No questions, oldest first; Yes when the queue is empty.
    std::deque<MessageAnswer> answers;
    // What openDocument reports.
    OpenOutcome openOutcome = OpenOutcome::Opened;

    // What the next save dialogs answer, oldest first; cancelled when the queue is empty.
    std::deque<std::optional<std::string>> saveAnswers;
    // The requests the save dialogs were shown with, and the clipboard's picture.
    std::vector<SaveFileRequest> saveRequests;
    std::optional<Picture> clipboard;

    std::vector<ShownBox> shown;

    // The texts of the plain messages and error boxes, in order (for short assertions).
    std::vector<std::string> messages() const;
    std::vector<std::string> errors() const;
};

}  // namespace quorvel::testsupport
