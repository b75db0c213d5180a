#include "app/register_operations.h"

#include "app/app_messages.h"
#include "app/window_operations.h"
#include "files/file_error.h"
#include "form/fields.h"

namespace quorvel::app {

namespace msg = app_messages;

template <class F>
bool RegisterOperations::shown(F&& operation) {
    try {
        operation();
        return true;
    } catch (const std::exception& e) {
        ui_.messageBox(e.what(), msg::kRegisterTitle, MessageButtons::Ok, MessageIcon::Error);
        return false;
    }
}

void RegisterOperations::remember(const std::string& file, int page) {
    ops_.oil().setRegisterTank(file);
    opened_ = file;
    openedBytes_ = tankBytes(form_, form_.grid(), page);
}

std::vector<RegisterEntry> RegisterOperations::list(std::string_view search) const {
    return searchRegister(tanks_.list(), search);
}

bool RegisterOperations::changed(int page) const {
    if (!opened_) {
        return false;
    }
    try {
        return tankBytes(form_, form_.grid(), page) != openedBytes_;
    } catch (const std::exception&) {
        return true;
    }
}

std::optional<int> RegisterOperations::open(const std::string& file, int page) {
    if (changed(page) &&
        ui_.messageBox(msg::registerChangedQuestion(*opened_), msg::kRegisterTitle,
                       MessageButtons::YesNo, MessageIcon::Warning) != MessageAnswer::Yes) {
        return std::nullopt;
    }
    std::optional<int> shown;
    this->shown([&] {
        std::vector<std::string> warnings;
        shown = loadTank(form_, tanks_.pathOf(file), warnings);
        ops_.tankLoaded();
        remember(file, *shown);
        if (!warnings.empty()) {
            std::string text;
            for (const std::string& w : warnings) {
                text.append(text.empty() ? "" : "\n").append(w);
            }
            ui_.messageBox(text, msg::kRegisterTitle, MessageButtons::Ok, MessageIcon::Warning);
        }
    });
    return shown;
}

bool RegisterOperations::save(int page) {
    return shown([&] { remember(tanks_.save(form_, form_.grid(), page, opened_), page); });
}

bool RegisterOperations::saveAs(int page, const std::string& number) {
    return shown([&] {
        const std::string before = form_.text(kTankNumberField);
        form_.setText(kTankNumberField, number);
        try {
            remember(tanks_.save(form_, form_.grid(), page, std::nullopt), page);
        } catch (...) {
            form_.setText(kTankNumberField, before);
            throw;
        }
    });
}

bool RegisterOperations::duplicate(const std::string& file, const std::string& number) {
    return shown([&] { tanks_.duplicate(file, number); });
}

bool RegisterOperations::remove(const std::string& file) {
    return shown([&] {
        tanks_.remove(file);
        if (opened_ == file) {
            opened_.reset();
            ops_.oil().setRegisterTank({});
        }
    });
}

bool RegisterOperations::restore(const std::string& deletedFile) {
    return shown([&] { tanks_.restore(deletedFile); });
}

}  // namespace quorvel::app
