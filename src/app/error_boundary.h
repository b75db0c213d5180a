// The one place where a stop or an exception of an operation becomes something the user sees:
// a stop in its box, an exception in the application's standard error box with a text in the
// user's language.
#pragma once

#include <exception>
#include <optional>
#include <string>
#include <type_traits>

#include "files/file_error.h"
#include "ports/ui_services.h"
#include "tank/outcome.h"

namespace quorvel::app {

// Why a file failed, in the user's words: a refusal (not a regular file, write-protected,
// too large), a grid file's counts, or the system's reason; nothing when the error carries
// none of these (a fault of the program).
std::optional<std::string> fileFailureReason(const FileError& e);

// Shows a stop: a plain message box, or the standard error box.
void showStop(UiServices& ui, const Stop& stop);

// Shows the exception being handled (call inside a catch block): our own errors with their
// texts, a file failure with its path and reason, anything else as an internal error.
void showCurrentException(UiServices& ui);

// Runs `operation`, which returns an optional; an exception it throws is shown and gives
// nullopt.
template <class Operation>
auto guarded(UiServices& ui, Operation&& operation) -> decltype(operation()) {
    try {
        return operation();
    } catch (...) {
        showCurrentException(ui);
        return std::nullopt;
    }
}

// An outcome as an optional: a stop is shown and gives nullopt.
template <class T>
std::optional<T> shownOutcome(UiServices& ui, Outcome<T> outcome) {
    if (!outcome) {
        showStop(ui, outcome.stop());
        return std::nullopt;
    }
    return std::move(*outcome);
}

}  // namespace quorvel::app
