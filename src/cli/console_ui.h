// UiServices for the headless front end: every message goes to standard error, a Yes/No
// question is answered with a fixed answer, and nothing is opened.
#pragma once

#include <ostream>

#include "ports/ui_services.h"

namespace quorvel {

class ConsoleUi : public UiServices {
  public:
    explicit ConsoleUi(std::ostream& err, MessageAnswer answer = MessageAnswer::Yes)
        : err_(err), answer_(answer) {}

    void showMessage(std::string_view text) override;
    void showError(std::string_view text) override;
    MessageAnswer messageBox(std::string_view text, std::string_view caption,
                             MessageButtons buttons, MessageIcon icon) override;
    OpenOutcome openDocument(const std::string& path) override;
    // No dialog and no clipboard without a window: the dialog is always cancelled.
    std::optional<std::string> askSaveFileName(const SaveFileRequest& request) override;
    void putPictureOnClipboard(const Picture& picture) override;

    // Whether an error box or an error-icon box was shown: the operation did not succeed.
    bool sawError() const { return sawError_; }

  private:
    std::ostream& err_;
    MessageAnswer answer_;
    bool sawError_ = false;
};

}  // namespace quorvel
