// The UI services of the window: Qt message boxes, the desktop's "open", the save dialog and
// the clipboard.
#pragma once

#include <functional>

#include <QUrl>
#include <QWidget>

#include "ports/ui_services.h"

namespace quorvel::ui {

// The file:// URL of an absolute path given as bytes, each byte kept (percent-encoded where a
// URL needs it), so that a folder whose name is not UTF-8 opens as itself.
QUrl fileUrl(const std::string& path);

class QtUiServices : public UiServices {
  public:
    // `beforeModal` runs before every box or dialog is shown: the window ends its progress
    // display there, so no modal box comes up behind or under another.
    explicit QtUiServices(QWidget* parent, std::function<void()> beforeModal = {})
        : parent_(parent), beforeModal_(std::move(beforeModal)) {}

    void showMessage(std::string_view text) override;
    void showError(std::string_view text) override;
    MessageAnswer messageBox(std::string_view text, std::string_view caption,
                             MessageButtons buttons, MessageIcon icon) override;
    // Asks the desktop only when a program is registered for the file's type.
    OpenOutcome openDocument(const std::string& path) override;
    std::optional<std::string> askSaveFileName(const SaveFileRequest& request) override;
    void putPictureOnClipboard(const Picture& picture) override;

  private:
    void prepareModal();

    QWidget* parent_;
    std::function<void()> beforeModal_;
};

}  // namespace quorvel::ui
