// Asking where a document is saved, as desktop programs do: a chosen name that exists is
// replaced only when the user says so.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "ports/ui_services.h"

namespace quorvel {

// Shows the save dialog of `request`; `complete` gives the path that will be written from the
// one chosen (the suffix a dialog may not have added). When that file exists, asks whether
// to replace it: "是" takes it, "否" shows the dialog again, proposing that name. The path to
// write, or nothing when the user cancelled.
std::optional<std::string> askFileToWrite(
    UiServices& ui, SaveFileRequest request,
    const std::function<std::string(const std::string&)>& complete);

}  // namespace quorvel
