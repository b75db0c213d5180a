// Every message box, question and "open" of the program goes through this interface, so the
// computation never talks to a windowing system and tests never block on a modal box.
// Texts are UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ports/picture.h"

namespace quorvel {

enum class MessageIcon { None, Information, Warning, Error };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// What became of an "open".
enum class OpenOutcome {
    Opened,     // the platform started a program for the file
    NoProgram,  // no program is registered for the file's type: nothing was started
    Failed,     // a program is registered, but the platform could not start it
};

// What a save-file dialog proposes.
struct SaveFileRequest {
    std::string proposedName;   // "打印窗体"
    std::string defaultSuffix;  // "bmp", without the point
    std::string filter;         // "*.bmp"

    bool operator==(const SaveFileRequest&) const = default;
};

class UiServices {
  public:
    virtual ~UiServices() = default;

    // A plain message box with an OK button, captioned with the application's title.
    virtual void showMessage(std::string_view text) = 0;

    // The application's standard error box: a conversion error or any other unexpected
    // error that ended an operation, with the error's own text.
    virtual void showError(std::string_view text) = 0;

    // A message box with its own caption, buttons and icon; returns the button pressed.
    virtual MessageAnswer messageBox(std::string_view text, std::string_view caption,
                                     MessageButtons buttons, MessageIcon icon) = 0;

    // The platform shell's "open" action for a file that exists.
    virtual OpenOutcome openDocument(const std::string& path) = 0;

    // A save-file dialog that asks nothing when the chosen file exists; the chosen path, or
    // nullopt when the user cancelled. The path is returned as chosen: a native dialog may
    // not have appended the default suffix.
    virtual std::optional<std::string> askSaveFileName(const SaveFileRequest& request) = 0;

    // Replaces the clipboard's content with the picture.
    virtual void putPictureOnClipboard(const Picture& picture) = 0;
};

}  // namespace quorvel
