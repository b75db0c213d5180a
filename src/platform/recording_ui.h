// A UiServices that records what would have been shown and answers questions from a queue.
// Used by the tests; never blocks.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/ui_services.h"

namespace quorvel {

struct ShownBox {
    enum class Kind { Message, Error, Box, Open } kind;
    std::string text;     // the message, or the opened path
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
    bool openDocument(const std::string& path) override;

    // Answers for the next Yes/No questions, oldest first; Yes when the queue is empty.
    std::deque<MessageAnswer> answers;
    // What openDocument reports.
    bool openSucceeds = true;

    std::vector<ShownBox> shown;

    // The texts of the plain messages and error boxes, in order (for short assertions).
    std::vector<std::string> messages() const;
    std::vector<std::string> errors() const;
};

}  // namespace quorvel
