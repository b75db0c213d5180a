// The one conversion of the program's UTF-8 texts to Qt's strings, for the window and its
// pictures.
#pragma once

#include <QString>
#include <string_view>

namespace quorvel::ui {

inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace quorvel::ui
